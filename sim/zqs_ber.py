"""Just enough BER for SNMPv1/v2c messages: the launcher's probe and the hostile agent.

Values are (tag, payload) pairs: integers for INTEGER and the unsigned application types,
bytes for OCTET STRING, Opaque and IpAddress, OID tuples for OBJECT IDENTIFIER, None for NULL
and the three exception values.
"""

INTEGER, OCTET_STRING, NULL, OID, SEQUENCE = 0x02, 0x04, 0x05, 0x06, 0x30
IP_ADDRESS, COUNTER32, GAUGE32, TIME_TICKS, OPAQUE, COUNTER64 = 0x40, 0x41, 0x42, 0x43, 0x44, 0x46
NO_SUCH_OBJECT, NO_SUCH_INSTANCE, END_OF_MIB_VIEW = 0x80, 0x81, 0x82
GET, GET_NEXT, RESPONSE, SET = 0xA0, 0xA1, 0xA2, 0xA3
UNSIGNED = (COUNTER32, GAUGE32, TIME_TICKS, COUNTER64)
EMPTY = (NULL, NO_SUCH_OBJECT, NO_SUCH_INSTANCE, END_OF_MIB_VIEW)


class BerError(ValueError):
    pass


def tlv(tag, body):
    n = len(body)
    if n < 0x80:
        length = bytes([n])
    else:
        digits = n.to_bytes((n.bit_length() + 7) // 8, "big")
        length = bytes([0x80 | len(digits)]) + digits
    return bytes([tag]) + length + body


def encode_int(value, tag=INTEGER):
    size = max(1, (value.bit_length() + 8) // 8)  # room for the sign bit
    if tag in UNSIGNED:
        value &= (1 << 64) - 1 if tag == COUNTER64 else 0xFFFFFFFF
        size = max(1, (value.bit_length() + 8) // 8)
    return tlv(tag, value.to_bytes(size, "big", signed=tag not in UNSIGNED))


def encode_oid(arcs):
    arcs = list(arcs)
    if len(arcs) < 2:
        arcs += [0] * (2 - len(arcs))
    body = bytearray()
    for arc in [40 * arcs[0] + arcs[1]] + arcs[2:]:
        chunk = [arc & 0x7F]
        arc >>= 7
        while arc:
            chunk.insert(0, 0x80 | (arc & 0x7F))
            arc >>= 7
        body += bytes(chunk)
    return tlv(OID, bytes(body))


def encode_value(value):
    tag, payload = value
    if tag == INTEGER or tag in UNSIGNED:
        return encode_int(payload, tag)
    if tag == OID:
        return encode_oid(payload)
    if tag in EMPTY:
        return tlv(tag, b"")
    return tlv(tag, bytes(payload))


def encode_message(version, community, pdu_type, request_id, status, index, varbinds):
    """varbinds: [(OID tuple, value)]"""
    vbs = b"".join(tlv(SEQUENCE, encode_oid(oid) + encode_value(value)) for oid, value in varbinds)
    pdu = tlv(pdu_type, encode_int(request_id) + encode_int(status) + encode_int(index) + tlv(SEQUENCE, vbs))
    return tlv(SEQUENCE, encode_int(version) + tlv(OCTET_STRING, community) + pdu)


def encode_v3_discovery(message_id):
    """An SNMPv3 engine-discovery request (noAuthNoPriv, reportable, empty engine ID and user);
    an agent ready for SNMPv3 answers it with a Report."""
    header = tlv(SEQUENCE, encode_int(message_id) + encode_int(65507) + tlv(OCTET_STRING, b"\x04") + encode_int(3))
    usm = tlv(SEQUENCE, tlv(OCTET_STRING, b"") + encode_int(0) + encode_int(0) + tlv(OCTET_STRING, b"") * 3)
    pdu = tlv(GET, encode_int(message_id) + encode_int(0) + encode_int(0) + tlv(SEQUENCE, b""))
    scoped = tlv(SEQUENCE, tlv(OCTET_STRING, b"") + tlv(OCTET_STRING, b"") + pdu)
    return tlv(SEQUENCE, encode_int(3) + header + tlv(OCTET_STRING, usm) + scoped)


def read_tlv(data, at):
    """(tag, body, next offset)"""
    if at + 2 > len(data):
        raise BerError("truncated at %d" % at)
    tag, first = data[at], data[at + 1]
    at += 2
    if first & 0x80:
        count = first & 0x7F
        if count == 0 or count > 4 or at + count > len(data):
            raise BerError("bad length at %d" % at)
        length = int.from_bytes(data[at:at + count], "big")
        at += count
    else:
        length = first
    if at + length > len(data):
        raise BerError("truncated value at %d" % at)
    return tag, data[at:at + length], at + length


def decode_oid(body):
    if not body:
        raise BerError("empty OID")
    arcs, value = [], 0
    for b in body:
        value = (value << 7) | (b & 0x7F)
        if not b & 0x80:
            arcs.append(value)
            value = 0
    first = arcs[0]
    head = [min(first // 40, 2), first - 40 * min(first // 40, 2)]
    return tuple(head + arcs[1:])


def decode_value(tag, body):
    if tag == INTEGER:
        return tag, int.from_bytes(body, "big", signed=True) if body else 0
    if tag in UNSIGNED:
        return tag, int.from_bytes(body, "big") if body else 0
    if tag == OID:
        return tag, decode_oid(body)
    if tag in EMPTY:
        return tag, None
    return tag, bytes(body)


def decode_message(data):
    """(version, community, pdu type, request id, status, index, [(OID tuple, value)])"""
    tag, message, _ = read_tlv(data, 0)
    if tag != SEQUENCE:
        raise BerError("not a SEQUENCE")
    tag, version, at = read_tlv(message, 0)
    tag2, community, at = read_tlv(message, at)
    pdu_type, pdu, _ = read_tlv(message, at)
    if tag != INTEGER or tag2 != OCTET_STRING:
        raise BerError("not an SNMPv1/v2c message")
    fields = []
    at = 0
    for _ in range(3):
        t, body, at = read_tlv(pdu, at)
        if t != INTEGER:
            raise BerError("bad PDU header")
        fields.append(int.from_bytes(body, "big", signed=True) if body else 0)
    t, vbs, _ = read_tlv(pdu, at)
    varbinds, at = [], 0
    while at < len(vbs):
        _, vb, at = read_tlv(vbs, at)
        t, name, rest = read_tlv(vb, 0)
        vt, vbody, _ = read_tlv(vb, rest)
        varbinds.append((decode_oid(name), decode_value(vt, vbody)))
    return (int.from_bytes(version, "big"), bytes(community), pdu_type) + tuple(fields) + (varbinds,)
