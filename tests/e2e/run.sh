#!/bin/bash
# run.sh SCENARIO HUDWRIGHT PROBE CLOSE_WINDOW - runs one end-to-end scenario: a private X
# server, the real program in a fresh working directory, driven through mouse
# and keyboard only. Exit 0 when every check of the scenario held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 4 ] || { echo "usage: $0 SCENARIO HUDWRIGHT PROBE CLOSE_WINDOW" >&2; exit 2; }
scenario=$1
hudwright=$(realpath "$2")
probe_bin=$(realpath "$3")
close_bin=$(realpath "$4")
# shellcheck source=lib.sh
. "$here/lib.sh"
# shellcheck source=scenarios.sh
. "$here/scenarios.sh"
declare -F "scenario_$scenario" >/dev/null || { echo "no scenario $scenario" >&2; exit 2; }
start_x "$scenario"
"scenario_$scenario"
echo "PASS: $scenario"
