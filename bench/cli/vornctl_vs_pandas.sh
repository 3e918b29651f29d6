#!/usr/bin/env bash
# Times `vornctl info --no-samples` on a 1,000,000-sample measurement file,
# process start included, against pandas.read_csv of the same samples.
# Usage: bench/cli/vornctl_vs_pandas.sh [build-dir]   (needs python3-pandas)
set -euo pipefail
build="${1:-build}"
vornctl="$build/bin/vornctl"
[ -x "$vornctl" ] || { echo "build $vornctl first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 - "$work" <<'PY'
import math, sys
work = sys.argv[1]
n = 1_000_000
rows = []
for k in range(n):
    charging = (k // 50_000) % 2 == 0
    volts = 12.0 + 1.5 * math.sin(k / 9000.0)
    amps = 2.5 + 0.01 * (k % 7)
    rows.append(f"{k}\t{volts:.2f}\t{'-' if charging else ''}{amps:.2f}".replace('.', ','))
samples = "\r\n".join(rows) + "\r\n"
with open(f"{work}/big.VRN", "w", newline="") as f:
    f.write("<MEAS>\r\n" + samples + "<MI>\t1\r\n<MSZ>\t80\r\n<P1>\t36000\r\n<MK>\t85\r\n<EOF>\r\n")
with open(f"{work}/big.tsv", "w", newline="") as f:
    f.write(samples)
PY
ls -l "$work/big.VRN" | awk '{printf "file: %.1f MB\n", $5/1e6}'

run_pandas="/usr/bin/python3 -c \"import pandas; pandas.read_csv('$work/big.tsv', sep='\\t', header=None, decimal=',')\""
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs 5 -N "$vornctl info --no-samples $work/big.VRN" 2>/dev/null | grep -E 'Time|±' | head -1 | sed 's/^/vornctl: /'
  hyperfine --warmup 1 --runs 5 "$run_pandas" 2>/dev/null | grep -E 'Time' | head -1 | sed 's/^/pandas:  /'
else
  TIMEFORMAT='%R s'
  echo -n "vornctl: "; time "$vornctl" info --no-samples "$work/big.VRN" >/dev/null
  echo -n "pandas:  "; time eval "$run_pandas"
fi
