#!/usr/bin/env bash
# Starts and stops the simulated agents of the tests (see sim/README.md):
#   sim/agent.sh start [--kind snmpsim|snmpd|hostile] [--address 127.0.0.x] [--port N] [--scenario FILE]
#       prints "ADDRESS PORT PID FOLDER" once the agent answers
#   sim/agent.sh stop PID [FOLDER]
#   sim/agent.sh generate SCENARIO.json
exec /usr/bin/python3 "$(dirname "$0")/zqs_sim.py" "$@"
