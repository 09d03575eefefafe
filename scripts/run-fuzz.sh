#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time. The seeds are gathered at run time from the files
# the project already has: the bundled examples and the test files (every version of the project
# file, the regression inputs of earlier findings) for the project and dial targets, the values of
# their lines for the entry target, and fuzz/corpus/settings for the settings target.
# Usage: scripts/run-fuzz.sh [SECONDS per target, default 60] [TARGET...]
# (targets: project settings dial entries; all by default). FUZZ_RUNS=N stops a target after N
# inputs instead. Fails on any crash, leak or sanitizer report; the input that caused it is left
# in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(project settings dial entries)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

project_seeds=(examples/*.umd tests/data/files/*.umd tests/data/files/fuzz/*)

# One seed per line value of the project files and per field (the first byte picks the field).
entry_seeds() {
  /usr/bin/python3 - "$1" "${project_seeds[@]}" <<'PY'
import os, sys
out, files = sys.argv[1], sys.argv[2:]
values = set()
for name in files:
    with open(name, 'rb') as f:
        for line in f.read().splitlines():
            value = line.split(b"'")[0].replace(b' ', b'')
            if value and len(value) < 64:
                values.add(value)
for i, value in enumerate(sorted(values)):
    for field in range(25):
        with open(os.path.join(out, 'seed-%d-%d' % (i, field)), 'wb') as f:
            f.write(bytes([field]) + value)
PY
}

mkdir -p build/fuzz/artifacts
for target in "${targets[@]}"; do
  work="build/fuzz/corpus-$target"
  mkdir -p "$work"
  case "$target" in
    project | dial) cp -n "${project_seeds[@]}" "$work/" ;;
    settings) cp -n fuzz/corpus/settings/* "$work/" ;;
    entries) entry_seeds "$work" ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  limit=(-max_total_time="$seconds")
  [ -n "${FUZZ_RUNS:-}" ] && limit+=(-runs="$FUZZ_RUNS")
  echo "== umbrix_fuzz_$target, $seconds s"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build/fuzz/fuzz/umbrix_fuzz_$target" "$work" \
      "${limit[@]}" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
done
echo "Aucune erreur trouvée."
