#!/usr/bin/env bash
# Configures and builds the program alone with the tests switched off and no
# GoogleTest in reach, the way a Windows developer without GoogleTest would.
# Usage: build_without_tests.sh <source dir> <toolchain file>
# CI runs it after the tests (it takes a minute and more on its own).
set -u
src="$1"; toolchain="$2"
work="$(mktemp -d /tmp/tovik-notests.XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

nowhere="$work/no-googletest"
if ! cmake -S "$src" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
     -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
     -DTOVIK_GTEST_SOURCE_DIR="$nowhere" -DGTest_DIR="$nowhere" \
     -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$work/configure.log" 2>&1; then
  cat "$work/configure.log"; fail "configure with BUILD_TESTING=OFF failed"
fi
[ -e "$work/build/googletest" ] && fail "GoogleTest was configured although the tests are off"
cmake --build "$work/build" --target help >"$work/targets.log" 2>&1
grep -qE '(^| )(gtest|gtest_main|test_support)( |$)' "$work/targets.log" &&
  fail "test targets exist although the tests are off"

if ! cmake --build "$work/build" --target TovikBrightness -j2 >"$work/build.log" 2>&1; then
  tail -30 "$work/build.log"; fail "the program did not build"
fi
exe="$work/build/app/TovikBrightness.exe"
[ -s "$exe" ] || fail "no $exe"
echo "built $(basename "$exe") ($(stat -c %s "$exe") bytes) with BUILD_TESTING=OFF"
