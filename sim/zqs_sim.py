#!/usr/bin/python3
"""Starts and stops the simulated agents of the tests (see sim/README.md).

  zqs_sim.py start [--kind snmpsim|snmpd|hostile] [--address A] [--port P] [--scenario FILE | --store FILE]
                   [--owner-fd N | --owner-pid N] [--timeout SECONDS]
      starts an agent in its own instance folder, waits until it answers and prints
      "ADDRESS PORT PID FOLDER" on one line
  zqs_sim.py stop PID [FOLDER]
      stops the agent with that process id (SIGTERM, then SIGKILL) and removes its folder
  zqs_sim.py generate [SCENARIO-FILE|-]
      prints the store that a scenario describes

Only loopback addresses (127.0.0.0/8) are accepted.
"""

import argparse
import grp
import ipaddress
import os
import pwd
import random
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import zqs_ber  # noqa: E402
import zqs_hostile  # noqa: E402
import zqs_scenario  # noqa: E402
import zqs_watch  # noqa: E402

READ_COMMUNITY = "tamber"
WRITE_COMMUNITY = "quindle"
V3_CONTEXT = "tamber"
AUTH_KEY = "tamber-auth-key"
PRIV_KEY = "quindle-priv-key"
# (user, auth protocol, priv protocol): one user per SNMPv3 security level and protocol pair.
V3_USERS = [
    ("zqs-noauth", None, None),
    ("zqs-md5", "MD5", None),
    ("zqs-sha", "SHA", None),
    ("zqs-md5-des", "MD5", "DES"),
    ("zqs-sha-aes", "SHA", "AES"),
]
# The empty SNMPv3 context selects the data file named after the UDP transport domain.
EMPTY_CONTEXT_FILE = "1.3.6.1.6.1.1.0"
LIB_FILES = ("zqs_agent.py", "zqs_store.py", "zqs_scenario.py", "zqs_watch.py")
PROBE_OID = (0, 0)


class StartError(Exception):
    pass


def probe_packet(community, request_id):
    """An SNMPv2c GET of 0.0: the launcher only needs to see that something answers."""
    return zqs_ber.encode_message(1, community.encode(), zqs_ber.GET, request_id, 0, 0,
                                  [(PROBE_OID, (zqs_ber.NULL, None))])


def answers(address, port, packet, wait):
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.settimeout(wait)
        s.connect((address, port))
        if s.getsockname()[1] == port:
            # While nothing holds the port, the kernel may give it to this very socket, which
            # would then read its own request as the answer.
            time.sleep(0.05)
            return False
        try:
            s.send(packet)
            reply = s.recv(65535)
            return reply[:1] == b"\x30" and reply != packet
        except OSError:  # time-out, or ICMP port unreachable while nothing listens yet
            time.sleep(0.05)
            return False


def ready_probe(kind):
    # snmpd answers SNMPv2c a moment before it answers SNMPv3 (the first v3 requests after its
    # start go unanswered), and snmpd is there for its v3 answers: wait for those.
    request_id = random.randrange(1, 2**31)
    if kind == "snmpd":
        return zqs_ber.encode_v3_discovery(request_id)
    return probe_packet(READ_COMMUNITY, request_id)


# Ports


def check_loopback(address):
    try:
        if ipaddress.IPv4Address(address) in ipaddress.IPv4Network("127.0.0.0/8"):
            return address
    except ValueError:
        pass
    raise StartError("%s is not a loopback address (127.0.0.0/8)" % address)


def lock_port(address, port):
    """A descriptor that reserves address:port among our agents while any process holds it, or None.

    An abstract UNIX socket name: the kernel frees it with its last holder, crash or not, and
    it leaves no file behind.
    """
    s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
    try:
        s.bind("\0zqs-sim-port-%s-%d" % (address, port))
    except OSError:
        s.close()
        return None
    return s.detach()


def free_port(address):
    # snmpsim binds with SO_REUSEADDR, so a port it holds can be bound again by another
    # snmpsim: the kernel's choice for port 0 plus our lock keeps two agents apart.
    while True:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.bind((address, 0))
            port = s.getsockname()[1]
        fd = lock_port(address, port)
        if fd is not None:
            return port, fd


# Instance folders


def drop_user():
    """nobody/nogroup when running as root (snmpsim refuses to run as root)."""
    if os.getuid() != 0:
        return None
    return pwd.getpwnam("nobody").pw_uid, grp.getgrnam("nogroup").gr_gid


def chown_tree(folder, ids):
    if ids is None:
        return
    for root, dirs, files in os.walk(folder):
        os.chown(root, *ids)
        for name in files:
            os.chown(os.path.join(root, name), *ids)


def write_file(path, text):
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write(text)
    os.replace(tmp, path)


def make_folder(kind, store_text):
    folder = tempfile.mkdtemp(prefix="zqs-%s-" % kind)
    os.chmod(folder, 0o755)
    if kind == "snmpsim":
        for sub in ("data", "variation", "lib", "cache"):
            os.mkdir(os.path.join(folder, sub))
        # Every data file holds catch-all subtree records for the OID roots 0, 1 and 2 that hand
        # every request to our variation module; the module serves one store for all of them.
        records = "".join("%d|:zqs|\n" % root for root in (0, 1, 2))
        for name in (READ_COMMUNITY, WRITE_COMMUNITY, EMPTY_CONTEXT_FILE):
            write_file(os.path.join(folder, "data", name + ".snmprec"), records)
        shutil.copy(os.path.join(HERE, "variation", "zqs.py"), os.path.join(folder, "variation", "zqs.py"))
        for name in LIB_FILES:
            shutil.copy(os.path.join(HERE, name), os.path.join(folder, "lib", name))
        write_file(os.path.join(folder, "store"), store_text)
    return folder


def snmpsim_command(folder, address, port):
    cmd = [
        "/usr/bin/python3",
        "/usr/bin/snmpsimd",
        "--data-dir=" + os.path.join(folder, "data"),
        "--cache-dir=" + os.path.join(folder, "cache"),
        "--variation-modules-dir=" + os.path.join(folder, "variation"),
        "--variation-module-options=zqs:" + folder,
        "--agent-udpv4-endpoint=%s:%d" % (address, port),
        # snmpsim formats a log line per varbind; the null logger keeps walks fast.
        "--logging-method=null",
    ]
    if drop_user() is not None:
        cmd += ["--process-user=nobody", "--process-group=nogroup"]
    for user, auth, priv in V3_USERS:
        cmd.append("--v3-user=" + user)
        if auth:
            cmd += ["--v3-auth-key=" + AUTH_KEY, "--v3-auth-proto=" + auth]
        if priv:
            cmd += ["--v3-priv-key=" + PRIV_KEY, "--v3-priv-proto=" + priv]
    return cmd


def snmpd_config(folder, address, port):
    lines = [
        "agentAddress udp:%s:%d" % (address, port),
        "rocommunity %s 127.0.0.0/8" % READ_COMMUNITY,
        "sysObjectID %s" % zqs_scenario.sys_object_id("24RA"),
        "sysDescr ZQS-4410 USM reference agent",
        "dontLogTCPWrappersConnects yes",
    ]
    for user, auth, priv in V3_USERS:
        create = "createUser %s" % user
        if auth:
            create += ' %s "%s"' % (auth, AUTH_KEY)
        if priv:
            create += ' %s "%s"' % (priv, PRIV_KEY)
        level = "priv" if priv else ("auth" if auth else "noauth")
        lines += [create, "rouser %s %s" % (user, level)]
    path = os.path.join(folder, "snmpd.conf")
    write_file(path, "\n".join(lines) + "\n")
    os.mkdir(os.path.join(folder, "persist"))
    return path


def snmpd_command(folder, address, port):
    conf = snmpd_config(folder, address, port)
    snmpd = [
        "/usr/sbin/snmpd", "-f", "-C", "-c", conf, "-Lf", os.path.join(folder, "snmpd.log"),
        # SMUX listens on TCP port 199 by default, where a second snmpd would collide.
        "-I", "-smux",
    ]
    return [sys.executable, os.path.abspath(__file__), "supervise", "--"] + snmpd


def spawn(cmd, folder, keep_fds, owner):
    env = dict(os.environ)
    env.update(ZQS_SIM_CLEANUP=folder, ZQS_SIM_READ_ONLY=READ_COMMUNITY, PYTHONDONTWRITEBYTECODE="1")
    env.pop("ZQS_SIM_OWNER_FD", None)
    env.pop("ZQS_SIM_OWNER_PID", None)
    if owner[0] == "fd":
        env["ZQS_SIM_OWNER_FD"] = str(owner[1])
    elif owner[0] == "pid":
        env["ZQS_SIM_OWNER_PID"] = str(owner[1])
    env["SNMP_PERSISTENT_DIR"] = os.path.join(folder, "persist")
    env["MIBS"] = ""
    with open(os.path.join(folder, "agent.log"), "ab") as log:
        return subprocess.Popen(cmd, cwd=folder, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                pass_fds=keep_fds, start_new_session=True)


def read_text(path):
    try:
        with open(path, errors="replace") as f:
            return f.read().strip()
    except OSError:
        return ""


def start(args):
    address = check_loopback(args.address)
    if args.kind == "snmpsim":
        if args.store:
            store_text = open(args.store).read()
        else:
            scenario = open(args.scenario).read() if args.scenario else "{}"
            zqs_scenario.generate_text(scenario)  # report a broken scenario here, not in the agent
            store_text = scenario
    else:
        store_text = ""
    owner = ("fd", args.owner_fd) if args.owner_fd is not None else (
        ("pid", args.owner_pid) if args.owner_pid is not None else ("none", None))
    deadline = time.monotonic() + args.timeout
    attempts = 0
    while True:
        attempts += 1
        if args.port:
            port, lock = args.port, lock_port(address, args.port)
            if lock is None:
                raise StartError("%s:%d is already held by another simulated agent" % (address, port))
        else:
            port, lock = free_port(address)
        folder = make_folder(args.kind, store_text)
        if args.kind == "snmpsim":
            cmd = snmpsim_command(folder, address, port)
        elif args.kind == "snmpd":
            cmd = snmpd_command(folder, address, port)
        else:
            cmd = [sys.executable, os.path.abspath(__file__), "hostile", address, str(port), folder]
        chown_tree(folder, drop_user() if args.kind == "snmpsim" else None)
        keep = [lock] + ([args.owner_fd] if owner[0] == "fd" else [])
        proc = spawn(cmd, folder, keep, owner)
        os.close(lock)
        while proc.poll() is None and time.monotonic() < deadline:
            if answers(address, port, ready_probe(args.kind), 0.25):
                break
        else:
            exited = proc.poll() is not None
            log = read_text(os.path.join(folder, "agent.log")) + read_text(os.path.join(folder, "snmpd.log"))
            stop_pid(proc.pid, folder)
            if exited and not args.port and attempts < 5 and "in use" in log:
                continue  # someone else took the port meanwhile
            raise StartError("%s on %s:%d %s: %s" % (
                args.kind, address, port, "exited" if exited else "did not answer within %gs" % args.timeout,
                log or "no output"))
        errors = read_text(os.path.join(folder, "errors.txt"))
        if errors:
            stop_pid(proc.pid, folder)
            raise StartError("%s on %s:%d: %s" % (args.kind, address, port, errors))
        print("%s %d %d %s" % (address, port, proc.pid, folder), flush=True)
        return


def gone(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


def stop_pid(pid, folder=None, timeout=5.0):
    for sig, wait in ((signal.SIGTERM, timeout), (signal.SIGKILL, 2.0)):
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            break
        try:
            os.waitpid(pid, os.WNOHANG)
        except ChildProcessError:
            pass
        end = time.monotonic() + wait
        while not gone(pid) and time.monotonic() < end:
            time.sleep(0.02)
            try:
                os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                pass
        if gone(pid):
            break
    if folder:
        shutil.rmtree(folder, ignore_errors=True)
    return gone(pid)


def supervise(cmd):
    """Runs an agent that cannot watch its owner itself (snmpd): ends it with the owner."""
    import ctypes

    libc = ctypes.CDLL(None, use_errno=True)
    me = os.getpid()

    def die_with_parent():
        signal.pthread_sigmask(signal.SIG_UNBLOCK, {signal.SIGTERM})
        libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
        if os.getppid() != me:  # the supervisor died before the line above took effect
            os._exit(1)

    # SIGTERM waits until the child's pid is known, so that the handler can stop the child.
    signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM})
    child = subprocess.Popen(cmd, preexec_fn=die_with_parent).pid

    def reap(block):
        try:
            return os.waitpid(child, 0 if block else os.WNOHANG)[0] == child
        except ChildProcessError:
            return True

    def on_finish():
        # Runs in the SIGTERM handler or the owner watch: reap the child here, since
        # nobody else will once this process is gone.
        os.kill(child, signal.SIGTERM)
        end = time.monotonic() + 2.0
        while not reap(False):
            if time.monotonic() > end:
                os.kill(child, signal.SIGKILL)
                reap(True)
                break
            time.sleep(0.02)

    zqs_watch.on_finish.append(on_finish)
    zqs_watch.start()
    signal.pthread_sigmask(signal.SIG_UNBLOCK, {signal.SIGTERM})
    try:
        status = os.waitpid(child, 0)[1]
    except ChildProcessError:
        status = 0
    if zqs_watch.finishing.wait(0.2):
        time.sleep(10)  # the owner watch is ending this process and reaped the child itself
    # An agent that ends by itself leaves its folder (and log) to whoever started it.
    os._exit(os.waitstatus_to_exitcode(status) & 0xFF)


def main():
    parser = argparse.ArgumentParser(description="Simulated agents of the ZQS-4410 tests")
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("start")
    p.add_argument("--kind", choices=("snmpsim", "snmpd", "hostile"), default="snmpsim")
    p.add_argument("--address", default="127.0.0.1")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--scenario")
    p.add_argument("--store")
    p.add_argument("--owner-fd", type=int)
    p.add_argument("--owner-pid", type=int)
    p.add_argument("--timeout", type=float, default=60.0)
    p = sub.add_parser("stop")
    p.add_argument("pid", type=int)
    p.add_argument("folder", nargs="?")
    p = sub.add_parser("generate")
    p.add_argument("scenario", nargs="?", default="-")
    p = sub.add_parser("hostile")
    p.add_argument("address")
    p.add_argument("port", type=int)
    p.add_argument("folder")
    p = sub.add_parser("supervise")
    p.add_argument("cmd", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    try:
        if args.command == "start":
            start(args)
        elif args.command == "stop":
            if not stop_pid(args.pid, args.folder):
                raise StartError("process %d did not end" % args.pid)
        elif args.command == "generate":
            text = sys.stdin.read() if args.scenario == "-" else open(args.scenario).read()
            sys.stdout.write(zqs_scenario.generate_text(text))
        elif args.command == "hostile":
            zqs_watch.start()
            zqs_hostile.serve(args.folder, check_loopback(args.address), args.port)
        else:
            supervise(args.cmd[1:] if args.cmd[:1] == ["--"] else args.cmd)
    except (StartError, zqs_scenario.ScenarioError, OSError) as e:
        sys.stderr.write("zqs_sim: %s\n" % e)
        sys.exit(2)


if __name__ == "__main__":
    main()
