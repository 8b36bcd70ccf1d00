#include "VqMessageTable.h"

#include "FileBytes.h"

#include <algorithm>
#include <string_view>

namespace {

const char* const kCommonMessages[] = {
    " Ok!",
    " Bad logic operand!",
    " Bad format specifier of edit's constraint!",
    " Empty value is not allowed!",
    " Please enter a string whose length is less than [MAXLEN]!",
    " Please enter a string whose length is [LEN]!",
    " Please enter a hex string whose length is less than [MAXLEN]!",
    " Please enter a hex string whose length is [LEN]!",
    " Please enter a number between [MIN] and [MAX]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is "
    "less than [MAXCOUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is "
    "equal to [COUNT]!",
    " Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between "
    "[MIN] "
    "and [MAX]!",
    " Out of range at index of array or list!",
    " Destination buffer is undersize!",
    " The source to dncrypt is not encrypted!",
    " Fail to read data from file([FILENAME])!",
    " Fail to write data to file([FILENAME])!",
    " Fail to write value in ini file([FILENAME])!",
    " Fail to read option data from file([FILENAME])!",
    " Please enter a valid IP address!",
    " Please enter a valid multicast IP address!",
    " Please enter a valid IPV6 address!",
    " Please enter a valid multicast IPV6 address!",
    " Please enter a valid MAC address!",
    " Please enter a valid multicast MAC address!",
    " Please enter a valid unicast MAC address!",
};

const char* const kSnmpMessages[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char* const kSnmpV3Messages[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char* const kSnmpUsmMessages[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char* const kSnmpClassMessages[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char* const kVqSnmpMessages[] = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global VqSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Null value in the expression!",
    "Bad SNMP syntax in the expression!",
    "Bad key count of SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual "
    "control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the time whose data source is the SNMP variable's (partial) data with syntax "
    "timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
    // Replies the framework refuses to read: a misbehaving agent must never show a wrong value
    // as right, nor keep a walk going for ever.
    "Agent returned a non-increasing OID!",
    "Agent returned fewer SNMP variables than requested!",
    // An SNMPv3 request waits while requests of its user under other passwords or security level
    // await their replies (the library checks every reply of a user with one set of keys).
    "Not sent: the SNMPv3 user's requests with other passwords or security level were still waiting for "
    "replies!",
};

const char* const kStatusTemplates[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

constexpr int kUnknownCodeEntry = 28;

template <size_t N> constexpr int CountOf(const char* const (&)[N]) {
    return static_cast<int>(N);
}

// The original read with a 1024-byte line buffer: a longer line arrives in pieces of 1,023
// characters, and each piece counts as a line of its own.
constexpr size_t kLinePiece = 1023;

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool EmptyAfterTrim(std::string_view piece) {
    for (char c : piece)
        if (!IsBlankOrControl(c))
            return false;
    return true;
}

} // namespace

// constinit: other units' static initialisers may raise framework errors before main().
constinit VqMessageTable CommonMessages{kCommonMessages, CountOf(kCommonMessages), "errmsg/common.err"};
constinit VqMessageTable SnmpMessages{kSnmpMessages, CountOf(kSnmpMessages), "errmsg/snmp.err"};
constinit VqMessageTable SnmpV3Messages{kSnmpV3Messages, CountOf(kSnmpV3Messages), "errmsg/snmpv3.err"};
constinit VqMessageTable SnmpUsmMessages{kSnmpUsmMessages, CountOf(kSnmpUsmMessages), "errmsg/snmpusm.err"};
constinit VqMessageTable SnmpClassMessages{kSnmpClassMessages, CountOf(kSnmpClassMessages),
                                           "errmsg/snmpclass.err"};
constinit VqMessageTable VqSnmpMessages{kVqSnmpMessages, CountOf(kVqSnmpMessages), "errmsg/vqsnmp.err"};
constinit VqMessageTable StatusTemplates{kStatusTemplates, CountOf(kStatusTemplates), "errmsg/snmp.msg"};

VqMessageTable* const AllMessageTables[7] = {&CommonMessages,  &SnmpMessages,      &SnmpV3Messages,
                                             &SnmpUsmMessages, &SnmpClassMessages, &VqSnmpMessages,
                                             &StatusTemplates};

std::string VqMessageTable::Entry(int index) const {
    if (index < 0 || index >= EntryCount)
        return kVqSnmpMessages[kUnknownCodeEntry];
    if (static_cast<size_t>(index) < Replaced.size())
        return Replaced[index];
    return Builtin[index];
}

void VqMessageTable::Replace(std::vector<std::string> lines) {
    if (lines.size() > static_cast<size_t>(EntryCount))
        lines.resize(EntryCount);
    Replaced = std::move(lines);
}

std::vector<std::string> MessageFileLines(std::string_view content) {
    std::vector<std::string> lines;
    std::string_view rest(content);
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        end = end == std::string_view::npos ? rest.size() : end + 1;
        std::string_view piece = rest.substr(0, std::min(end, kLinePiece));
        rest.remove_prefix(piece.size());
        if (EmptyAfterTrim(piece))
            continue;
        // The line break goes, a CR LF one whole; every other character, leading blanks
        // included, stays part of the text.
        if (piece.back() == '\n')
            piece.remove_suffix(1);
        if (!piece.empty() && piece.back() == '\r')
            piece.remove_suffix(1);
        lines.emplace_back(piece);
    }
    return lines;
}

void LoadMessageTable(VqMessageTable& table, const std::string& path) {
    std::string content;
    if (ReadFileBytes(path, content) != FileRead::Ok)
        return;

    std::vector<std::string> lines = MessageFileLines(content);
    if (!lines.empty())
        table.Replace(std::move(lines));
}

std::string MessageOfCode(int code) {
    // Codes High down to Low are entries Base - High ... Base - Low of their table.
    struct Range {
        const VqMessageTable* Table;
        int Base;
        int High;
        int Low;
    };
    static const Range kRanges[] = {
        {&VqSnmpMessages, 0, 0, 0},           {&CommonMessages, 0, -1, -25},
        {&SnmpMessages, -101, -101, -118},    {&SnmpV3Messages, -201, -201, -217},
        {&SnmpUsmMessages, -301, -301, -314}, {&SnmpClassMessages, -401, -401, -423},
        {&VqSnmpMessages, -500, -501, -531},
    };
    for (const Range& r : kRanges)
        if (code <= r.High && code >= r.Low)
            return r.Table->Entry(r.Base - code);
    return VqSnmpMessages.Entry(kUnknownCodeEntry);
}
