#!/usr/bin/env bash
# Sets up and builds everything, writes a fixture ROM set into demo/, opens it with the
# engine and prints what every page read, table by table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
code=${1:-BPRJ}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
"$root/build/native/make_fixture" "$root/demo" "$code" fixture.gba
"$root/build/native/read_rom" "$root/demo" fixture.gba
