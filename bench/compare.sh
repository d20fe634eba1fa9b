#!/usr/bin/env bash
# Times build/bin/vantrel-scan beside bench/reference_scan.py (Python's re) on
# the same generated 20,000-row page with hyperfine and prints the ratio.
# Usage: bench/compare.sh [rows]   (run from the repository's root after a build)
set -euo pipefail
cd "$(dirname "$0")/.."
rows=${1:-20000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The interpreter itself: a version manager's shim on PATH (pyenv's is a shell
# script) would add its own start-up to every Python run and flatter the ratio.
python=$(python3 -c 'import sys; print(sys.executable)')

build/bin/make_page "$rows" > "$work/page.html"
# Both must list the same rows, or the timing compares nothing.
build/bin/vantrel-scan "$work/page.html" > "$work/vantrel.txt"
"$python" bench/reference_scan.py "$work/page.html" > "$work/python.txt"
cmp "$work/vantrel.txt" "$work/python.txt"
echo "page: $(stat -c %s "$work/page.html") bytes, $(wc -l < "$work/vantrel.txt") rows, same output"
echo "python: $python ($("$python" --version))"

# -N: no shell in between, whose start-up varies more than a fast command takes.
hyperfine -N --warmup 3 --min-runs 20 --export-json "$work/times.json" \
    --command-name vantrel-scan "build/bin/vantrel-scan $work/page.html" \
    --command-name reference_scan.py "$python bench/reference_scan.py $work/page.html"

python3 - "$work/times.json" <<'PY'
import json, sys
results = {r['command']: r['mean'] for r in json.load(open(sys.argv[1]))['results']}
ratio = results['reference_scan.py'] / results['vantrel-scan']
print('vantrel-scan is %.1fx faster than reference_scan.py (mean %.1f ms vs %.1f ms)'
      % (ratio, results['vantrel-scan'] * 1000, results['reference_scan.py'] * 1000))
PY
