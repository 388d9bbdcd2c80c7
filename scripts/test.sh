#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the plain
# build (warnings are errors) with render and end-to-end tests under Xvfb,
# the headless tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the threaded tests under ThreadSanitizer, and each fuzz target briefly.
source "$(dirname "$0")/common.sh"
velmora_install_packages "${VELMORA_PACKAGES[@]}" "${VELMORA_TEST_PACKAGES[@]}"

FUZZ_SECONDS=${VELMORA_FUZZ_SECONDS:-8}

echo "== Formatting"
(cd "$VELMORA_ROOT" && git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror)

echo "== Build (warnings as errors)"
velmora_build build-test -DVELMORA_WERROR=ON
echo "== Tests under Xvfb"
(cd "$VELMORA_ROOT/build-test" && xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure)

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
BUILD_TARGETS="unit_tests scenario_tests game_data game_assets" velmora_build build-asan -DVELMORA_WERROR=ON -DVELMORA_BENCH=OFF -DVELMORA_SANITIZE=address,undefined
(cd "$VELMORA_ROOT/build-asan" && ctest --output-on-failure -L '^(unit|scenario)$')

echo "== ThreadSanitizer"
BUILD_TARGETS="threads_tests" velmora_build build-tsan -DVELMORA_WERROR=ON -DVELMORA_BENCH=OFF -DVELMORA_SANITIZE=thread
(cd "$VELMORA_ROOT/build-tsan" && ctest --output-on-failure -L '^threads$')

echo "== Fuzz targets (${FUZZ_SECONDS}s each)"
velmora_build build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON -DVELMORA_BENCH=OFF
mkdir -p "$VELMORA_ROOT/build-fuzz/corpus"
for target in "$VELMORA_ROOT"/build-fuzz/tests/fuzz_*; do
  name=$(basename "$target")
  corpus="$VELMORA_ROOT/build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="$VELMORA_ROOT/tests/fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "-- $name"
  "$target" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$corpus" $seeds 2>&1 | tail -n 3
done
echo "All tests passed."
