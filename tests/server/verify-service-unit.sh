#!/usr/bin/env bash
# Checks the world server's systemd unit with systemd's own tools, its ExecStart pointing at the
# program just built and its working folder at the build folder beside it (which holds Data/): `systemd-analyze verify` must be silent (it only warns about unknown or
# misspelled settings), and the offline security review must rate it 3.0 or safer.
#     verify-service-unit.sh UNIT_TEMPLATE PROGRAM WORK_FOLDER
set -euo pipefail
template=$1 program=$2 work=$3
mkdir -p "$work"
unit=$work/zorvex-world.service
sed -e "s|@ZORVEX_WORLD_PROGRAM@|$program|" -e "s|@ZORVEX_WORLD_DATA@|$(dirname "$program")|" \
  "$template" > "$unit"
output=$(systemd-analyze verify --man=no "$unit" 2>&1) || { echo "$output"; exit 1; }
if [ -n "$output" ]; then
  echo "systemd-analyze verify has remarks:"
  echo "$output"
  exit 1
fi
systemd-analyze security --offline=true --threshold=30 --no-pager "$unit" | tail -1
