#!/usr/bin/env bash
# Sets up, builds what the demo runs, writes a demo folder demo/ (Calvanter.exe, a fixture ROM with
# its Setting.ini, name lists and picture folders), prints what the engine reads from it, and
# starts Calvanter.exe there under Wine. Without a display the program runs under Xvfb: the
# end-to-end driver opens the demo ROM (leaving it as it was) and keeps screenshots of every
# tab in demo/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
code=${1:-BPRJ}
demo="$root/demo"
"$root/scripts/setup.sh"
"$root/scripts/wine/setup.sh"
jobs=$(nproc 2>/dev/null || echo 2)

source "$root/scripts/wine/env.sh"
had_display=${DISPLAY:-}
wine_env_init "$root/build/demo"
trap wine_stop EXIT
# The 32-bit program, or the 64-bit one where the kernel runs no 32-bit programs.
arch=i686
[[ $WINE_RUNS_32BIT == 0 ]] && arch=x86_64

# Only what the demo runs: the fixture builder, the reader and the settings check natively, the program and the
# driver for Windows.
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/native" -j "$jobs" --target make_fixture read_rom check_settings
cmake -S "$root" -B "$root/build/mingw-$arch" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCALVANTER_TESTS=OFF >/dev/null
cmake --build "$root/build/mingw-$arch" -j "$jobs" --target Calvanter calvanter_driver

"$root/build/native/make_fixture" "$demo" "$code" fixture.gba
cp "$root/build/mingw-$arch/Calvanter.exe" "$demo/"
"$root/build/native/read_rom" "$demo" fixture.gba
"$root/build/native/check_settings" "$demo" "$demo/fixture.gba" || echo "demo: the settings check found problems"

[[ -d $WINEPREFIX/drive_c ]] || wine_fresh_prefix

if [[ -n $had_display ]]; then
  echo "demo: Calvanter.exe runs in $demo; open fixture.gba with ROMの読み込み, close the window to end"
  # Interactive: the user decides when it ends.
  (cd "$demo" && wine Calvanter.exe)
  exit 0
fi

rm -rf "$demo/screenshots"
mkdir -p "$demo/screenshots"
echo "demo: no display; the driver opens the demo ROM under Xvfb (DISPLAY=$DISPLAY)"
wine_run 300 "$root/build/mingw-$arch/win32-tests/calvanter_driver.exe" --show "$demo/Calvanter.exe" "$demo" \
  fixture.gba "$demo/screenshots" || echo "demo: the driver reported failures"
"$root/scripts/wine/screenshots.sh" "$demo/screenshots"
