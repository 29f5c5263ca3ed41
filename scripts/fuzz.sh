#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ and runs each for SECONDS
# (default 60). New inputs collect in build-fuzz/corpus/<target>, crashes in build-fuzz/crashes/.
# Exits 1 when a target crashed; every crash belongs into a regression test in tests/.
set -euo pipefail
cd "$(dirname "$0")/.."
top="$(pwd)"
source scripts/common.sh
PACKAGES+=(clang libclang-rt-14-dev)
ensure_packages

sekunden="${1:-60}"
build="$top/build-fuzz"
targets=(fuzz_zahlen fuzz_rechner fuzz_ini fuzz_rtf)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"

cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVELUMAT_FUZZ=ON -DVELUMAT_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# The INI target writes a small file per run: keep it in memory where possible.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p "$build/crashes"
# The help file is the RTF target's first seed.
mkdir -p "$build/corpus/fuzz_rtf"
cp data/velumathlp.rtf "$build/corpus/fuzz_rtf/"
fehler=0
bericht=""
for t in "${targets[@]}"; do
  name="${t#fuzz_}"
  mkdir -p "$build/corpus/$t"
  opts=()
  [ -f "fuzz/$name.dict" ] && opts+=(-dict="fuzz/$name.dict")
  # Inputs of the help file's full size would take most of the time; its first 8 KiB suffice.
  [ "$t" = fuzz_rtf ] && opts+=(-max_len=8192)
  log="$build/$t.log"
  echo "== $t: $sekunden s"
  if ! "$build/fuzz/$t" -max_total_time="$sekunden" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$t-" "${opts[@]}" "$build/corpus/$t" "fuzz/corpus/$name" </dev/null >"$log" 2>&1; then
    fehler=1
    echo "!! $t hat einen Fehler gefunden:"
    grep -E "ERROR|SUMMARY|Test unit written" "$log" || tail -n 30 "$log"
  fi
  laeufe=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  bericht+=$(printf '%-14s %12s Läufe %8s/s' "$t" "${laeufe:-?}" "${rate:-?}")$'\n'
done
printf '%s' "$bericht"
exit "$fehler"
