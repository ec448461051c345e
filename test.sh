#!/usr/bin/env bash
# Every test on a fresh Debian 12 machine: installs what is missing, builds the program
# three ways (plain, ASan+UBSan, libFuzzer) and runs all suites. Exits non-zero on any
# failure; the last line CTest prints is the summary of the full suite.
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)
tools/env/ensure-packages.sh || exit 1
source tools/env/services.sh
trap zintaro_stop_services EXIT
zintaro_start_display || exit 1
zintaro_start_sound || exit 1

jobs=$(nproc)
status=0
# Leak checks stay on; leaks inside system libraries are suppressed by name there.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
step() { echo "== $*"; }

step "sanitizer build: unit and GUI tests under ASan+UBSan"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZINTARO_SANITIZE=ON >/dev/null &&
  cmake --build build-asan -j "$jobs" &&
  ctest --test-dir build-asan -L '^(unit|gui)$' -j "$jobs" --output-on-failure ||
  status=1

step "fuzz build: every file reader for ${ZINTARO_FUZZ_SECONDS:-20} s"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZINTARO_FUZZ=ON -DZINTARO_FUZZ_SECONDS="${ZINTARO_FUZZ_SECONDS:-20}" >/dev/null &&
  cmake --build build-fuzz -j "$jobs" &&
  LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0" ctest --test-dir build-fuzz -L '^fuzz$' -j "$jobs" --output-on-failure ||
  status=1

step "full suite: unit, GUI, integration and end-to-end tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
  cmake --build build -j "$jobs" &&
  ctest --test-dir build -j "$jobs" --output-on-failure --repeat until-pass:2 ||
  status=1

exit $status
