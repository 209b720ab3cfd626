#!/usr/bin/env bash
# Builds the benchmarks optimised, runs them and prints the figures that show the speed targets.
# It never fails on a slow machine: the figures are for reading. Extra arguments go to the
# benchmark program (for example --benchmark_min_time=2).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh native

cmake --preset bench >/dev/null
cmake --build --preset bench
results=build/bench/results.json
# Three runs of each, and their median, steady the figures on a machine shared with other work.
build/bench/bench/conversion_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_out="$results" --benchmark_out_format=json "$@"

python3 - "$results" <<'PY'
import json, sys

runs = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type") != "aggregate" or b.get("aggregate_name") == "median":
        runs[b["run_name"]] = b

def seconds(name):
    run = runs.get(name)
    if run is None:
        return None
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]
    return run["cpu_time"] * scale

def show(label, value, target, fmt):
    if value is None:
        print(f"  {label:<28} not measured")
    else:
        print(f"  {label:<28} {fmt.format(value):>10}   {'meets' if target(value) else 'MISSES'} the target")

clicks = [(c, k) for c in ("clickDecimalToHex", "clickHexToDecimal") for k in ("digits", "mixed")]
print("\nClick cost, 16 MiB over 1 MiB (target: at most 20)")
for c, k in clicks:
    big, small = seconds(f"{c}/{k}/16777216"), seconds(f"{c}/{k}/1048576")
    show(f"{c}/{k}", big / small if big and small else None, lambda r: r <= 20, "{:.1f}")
print("\nClick time at 1 MiB (target: under 10 ms)")
for c, k in clicks:
    t = seconds(f"{c}/{k}/1048576")
    show(f"{c}/{k}", t * 1e3 if t else None, lambda ms: ms < 10, "{:.2f} ms")
t = seconds("hexTextToDecimalTextAlone/mixed/1048576")
if t:
    print(f"  of which the conversion alone, without the bridge recording its messages: {t * 1e3:.2f} ms")
print("\ntextToNumber time over strtod time (target: at most 1)")
for s in ("digits1to20", "fractions", "exponents", "digits30"):
    ours, theirs = seconds(f"readWithTextToNumber/{s}"), seconds(f"readWithStrtod/{s}")
    show(s, ours / theirs if ours and theirs else None, lambda r: r <= 1, "{:.2f}")
PY
