#!/usr/bin/env bash
# Runs the Windows tests under Wine: the profile, page dialog, shell and frame test programs
# (i686 and x86_64) and the end-to-end driver against Calvanter.exe (i686; x86_64 where the
# kernel runs no 32-bit programs), in a fresh Wine prefix, under Xvfb when there is no display. Screenshots of every tab land in build/artifacts/screenshots/.
#   scripts/wine/test.sh [make_fixture]   (default: the native tool of the latest build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build"
started=$SECONDS

"$root/scripts/wine/setup.sh"
make_fixture=${1:-}
if [[ -z $make_fixture ]]; then
  for candidate in "$build/native-sanitize/make_fixture" "$build/native/make_fixture"; do
    [[ -x $candidate ]] && { make_fixture=$candidate; break; }
  done
fi
[[ -x $make_fixture ]] || { echo "wine tests: no make_fixture; run scripts/build.sh first" >&2; exit 1; }

source "$root/scripts/wine/env.sh"
wine_env_init "$build"
trap wine_stop EXIT
# Where the kernel runs no 32-bit programs (WINE_RUNS_32BIT=0), only the x86_64 programs run,
# and the driver with them.
run_arches=(i686 x86_64)
driver_arch=i686
if [[ ${WINE_RUNS_32BIT:-1} == 0 ]]; then
  run_arches=(x86_64)
  driver_arch=x86_64
fi

# The Windows trees of scripts/build.sh, with the test targets that it leaves out.
targets=(test_win32_profile test_win32_pages test_win32_shell test_win32_frame)
for arch in i686 x86_64; do
  tree="$build/mingw-$arch"
  cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
    -DCALVANTER_TESTS=OFF >/dev/null
  arch_targets=("${targets[@]}")
  [[ $arch == "$driver_arch" ]] && arch_targets+=(Calvanter calvanter_driver)
  cmake --build "$tree" -j "${CALVANTER_JOBS:-$(nproc 2>/dev/null || echo 2)}" --target "${arch_targets[@]}"
done
echo "wine tests: built in $((SECONDS - started)) s"

wine_fresh_prefix
echo "wine tests: prefix ready in $((SECONDS - started)) s"

logs="$build/wine/logs"
rm -rf "$logs" && mkdir -p "$logs"
passed=0
failed=0
# run <name> <seconds> <exe> [args]: one program, its output shown and kept in the logs.
run() {
  local name=$1 seconds=$2 status=0
  shift 2
  echo "wine tests: $name"
  wine_run "$seconds" "$@" 2>&1 | tee "$logs/$name.log" || status=$?
  if ((status == 0)); then
    passed=$((passed + 1))
  else
    echo "wine tests: $name FAILED (exit $status$( ((status == 124)) && echo ', time limit'))"
    failed=$((failed + 1))
  fi
}

for arch in "${run_arches[@]}"; do
  run "profile-$arch" 120 "$build/mingw-$arch/win32-tests/test_win32_profile.exe"
  run "pages-$arch" 300 "$build/mingw-$arch/win32-tests/test_win32_pages.exe"
  run "shell-$arch" 120 "$build/mingw-$arch/win32-tests/test_win32_shell.exe"
  run "frame-$arch" 120 "$build/mingw-$arch/win32-tests/test_win32_frame.exe"
done

# The end-to-end driver in scratch folders, one of them holding a fixture ROM set.
shots="$build/artifacts/screenshots"
scratch="$build/wine/scratch"
rm -rf "$scratch" "$shots"
mkdir -p "$scratch/empty" "$scratch/rom" "$scratch/find" "$shots"
"$make_fixture" "$scratch/rom" BPRJ fixture.gba >/dev/null
"$make_fixture" "$scratch/find" BPEJ fixture.gba --seed 2 >/dev/null
pushd "$build/wine" >/dev/null
run driver 600 "$build/mingw-$driver_arch/win32-tests/calvanter_driver.exe" "$build/mingw-$driver_arch/Calvanter.exe" \
  scratch/empty scratch/rom fixture.gba "$shots" scratch/find
popd >/dev/null
"$root/scripts/wine/screenshots.sh" "$shots"

echo "wine tests: finished in $((SECONDS - started)) s; logs in $logs"
echo "wine: $passed passed, $failed failed"
((failed == 0))
