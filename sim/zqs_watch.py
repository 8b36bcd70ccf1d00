"""Ends a simulated agent when its owner is gone, so that no test leaves a process behind.

The owner is named in the environment:
  ZQS_SIM_OWNER_FD   the read end of a pipe whose write end only the owner holds: end of file
                     means the owner exited or crashed;
  ZQS_SIM_OWNER_PID  a process to poll (shell use).
ZQS_SIM_CLEANUP names a folder to remove when the agent ends (its instance folder).
SIGTERM ends the agent the same way.
"""

import os
import shutil
import signal
import threading
import time


def _start_time(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return None if fields[0] == "Z" else fields[19]
    except (OSError, IndexError):
        return None


# Called before the agent ends (a supervisor stops its child here).
on_finish = []
finishing = threading.Event()


def finish(code=0):
    finishing.set()
    for hook in on_finish:
        try:
            hook()
        except Exception:
            pass
    folder = os.environ.get("ZQS_SIM_CLEANUP")
    if folder:
        shutil.rmtree(folder, ignore_errors=True)
    os._exit(code)


def _watch_fd(fd):
    try:
        while os.read(fd, 64):
            pass
    except OSError:
        pass
    finish()


def _watch_pid(pid):
    started = _start_time(pid)
    while started is not None and _start_time(pid) == started:
        time.sleep(0.5)
    finish()


def start():
    """Call from the main thread: installs the SIGTERM handler and the owner watch."""
    signal.signal(signal.SIGTERM, lambda signum, frame: finish())
    fd, pid = os.environ.get("ZQS_SIM_OWNER_FD"), os.environ.get("ZQS_SIM_OWNER_PID")
    if fd:
        threading.Thread(target=_watch_fd, args=(int(fd),), daemon=True).start()
    elif pid:
        threading.Thread(target=_watch_pid, args=(int(pid),), daemon=True).start()
