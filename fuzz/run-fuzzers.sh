#!/usr/bin/env bash
# Runs each fuzzing harness from its corpus for a while.
#   run-fuzzers.sh BUILD_DIR SECONDS [--keep] [HARNESS...]
# New inputs go to a scratch folder, or with --keep into fuzz/corpus/HARNESS
# (run `-merge=1` by hand afterwards to keep only those that add coverage).
# A crash, a property that does not hold, a leak or a run over 5 s stops with the
# reproducer's path; the figures of every run are printed at its end.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="$2"
shift 2
keep=0
if [ "${1:-}" = "--keep" ]; then keep=1; shift; fi
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=(fuzz_clock fuzz_numbers fuzz_angles fuzz_fields fuzz_settings fuzz_star_catalogue fuzz_place_list
             fuzz_identify fuzz_command_line fuzz_sights fuzz_deviation_file)
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for name in "${harnesses[@]}"; do
  mkdir -p "$scratch/$name"
  out="$scratch/$name"
  if [ $keep -eq 1 ]; then out="$here/corpus/$name"; fi
  echo "== $name: ${seconds} s"
  if ! (cd "$scratch" && "$build/fuzz/$name" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
          -print_final_stats=1 -artifact_prefix="$scratch/$name-" "$out" "$here/corpus/$name" \
          >"$scratch/$name.log" 2>&1); then
    echo "!! $name failed:"
    tail -40 "$scratch/$name.log"
    for artifact in "$scratch/$name-"*; do
      [ -e "$artifact" ] || continue
      mkdir -p "$build/fuzz-artifacts"
      cp "$artifact" "$build/fuzz-artifacts/"
      echo "   reproducer kept as $build/fuzz-artifacts/$(basename "$artifact")"
    done
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|cov: .*ft:" "$scratch/$name.log" | tail -3 || true
done
exit $status
