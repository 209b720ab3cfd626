#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time, starting from a copy of its seed
# corpus, so that the repository is left as it was. Fails on any finding: a crash, a sanitizer
# report, a broken invariant, a hang or a leak.
# Usage: test-fuzz.sh [seconds per target]   (default 60, or FUZZ_SECONDS)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-60}}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artifacts="build/fuzz/findings"
mkdir -p "$artifacts"

failed=()
for corpus in fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  mkdir -p "$work/$name"
  cp "$corpus"* "$work/$name/"
  echo "== fuzz_$name for ${seconds}s"
  if ! UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "build/fuzz/fuzz/fuzz_$name" "$work/$name" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" >"$work/$name.log" 2>&1; then
    tail -n 40 "$work/$name.log"
    failed+=("$name")
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$name.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs kept in $artifacts/)" >&2
  exit 1
fi
echo "fuzzing found nothing"
