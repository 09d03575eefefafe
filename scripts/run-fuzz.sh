#!/usr/bin/env bash
# Runs each libFuzzer target of the file readers for a bounded time on a copy of its seed corpus.
# Usage: scripts/run-fuzz.sh [SECONDS per target, default 60]. Fails on any crash, leak or
# sanitizer report; the input that caused it is left in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/artifacts
for target in project settings; do
  work="build/fuzz/corpus-$target"
  mkdir -p "$work"
  cp -n "fuzz/corpus/$target/"* "$work/"
  echo "== umbrix_fuzz_$target, $seconds s"
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build/fuzz/fuzz/umbrix_fuzz_$target" "$work" \
      -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1
done
echo "Aucune erreur trouvée."
