#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, in build-fuzz/ or $KORVANEL_FUZZ_DIR) and runs each for
# the given number of minutes, two at a time, each with its own corpus under
# <build>/fuzz-corpus/<target>. Prints one line per target: executions, seconds, findings.
#   bash scripts/fuzz.sh 10                # every target, ten minutes each
#   bash scripts/fuzz.sh 2 fuzz_club_file  # one target, two minutes
set -u
minutes=${1:-10}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KORVANEL_FUZZ_DIR:-$root/build-fuzz}
jobs=${KORVANEL_FUZZ_JOBS:-2}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKORVANEL_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build "$build" --target fuzz_all -j"${KORVANEL_JOBS:-3}" >/dev/null || exit 1

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_saved_game fuzz_saved_game_fields fuzz_save_preview fuzz_club_file
           fuzz_national_team_file fuzz_options fuzz_sound fuzz_editor_folder
           fuzz_picture_png fuzz_picture_jpeg fuzz_picture_gif fuzz_picture_bmp fuzz_markup)
fi

# Saved games the tests wrote, and the sample database's own pictures, sounds and teams files.
seeds_of() {
  case $1 in
    fuzz_saved_game|fuzz_saved_game_fields|fuzz_save_preview)
      echo "$root/build/test-output/saved_game_seeds" ;;
    fuzz_club_file|fuzz_editor_folder) echo "$root/build/app/teams" ;;
    fuzz_national_team_file) echo "$root/build/app/teams/selecoes" ;;
    fuzz_sound) echo "$root/build/app/sons" ;;
    fuzz_picture_*) echo "$root/build/app/img" ;;
    fuzz_markup) echo "$root/tests/fuzz/markup_seeds" ;;
  esac
}

run_one() {
  local target=$1 corpus=$build/fuzz-corpus/$1 log=$build/fuzz-logs/$1.log seeds
  mkdir -p "$corpus" "$build/fuzz-logs" "$build/fuzz-findings/$target"
  seeds=$(seeds_of "$target")
  [ -d "$seeds" ] || seeds=
  local extra=()
  [ "$target" = fuzz_markup ] && extra=(-dict="$root/tests/fuzz/markup.dict" -max_len=4096)
  LSAN_OPTIONS=suppressions=$root/tests/fuzz/lsan_suppressions.txt \
    "$build/tests/fuzz/$target" -max_total_time=$((minutes * 60)) -timeout=30 -rss_limit_mb=4096 \
    -artifact_prefix="$build/fuzz-findings/$target/" "${extra[@]}" "$corpus" $seeds >"$log" 2>&1
  local execs secs found
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  [ -n "$execs" ] || execs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  secs=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -oE '[0-9]+ second' | grep -oE '[0-9]+')
  found=$(ls "$build/fuzz-findings/$target" | wc -l)
  echo "$target: ${execs:-?} executions in ${secs:-?} s, $found finding(s) (log: $log)"
}

running=0
for t in "${targets[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if [ $running -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait
