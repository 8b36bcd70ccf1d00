# snmpsim variation module of the ZQS-4410 simulated switch.
#
# snmpsim runs this file with moduleContext/recordContext as globals; the work is done by
# zqs_agent (in the instance folder's lib/, which the options name). Every record of the data
# files refers to this module, so it serves the whole OID tree from its own store.
import os
import sys


def init(**context):
    folder = context["options"]
    try:
        sys.path.insert(0, os.path.join(folder, "lib"))
        import zqs_agent
        import zqs_watch

        read_only = [c for c in os.environ.get("ZQS_SIM_READ_ONLY", "").split(",") if c]
        moduleContext["agent"] = zqs_agent.Agent(folder, read_only)
        zqs_watch.start()
    except Exception as e:
        # snmpsim would only log a failed init and then serve nothing: end the agent instead,
        # so that its start fails loudly.
        with open(os.path.join(folder, "errors.txt"), "a") as f:
            f.write("variation module init failed: %r\n" % (e,))
        os._exit(3)


def variate(oid, tag, value, **context):
    return moduleContext["agent"].guarded(oid, tag, value, context)


def shutdown(**context):
    pass
