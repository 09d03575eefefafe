#!/usr/bin/env bash
# Runs umbrix-cli on a bundled example dial: writes its report and drawings into a folder and
# prints the report. Usage: scripts/run-example.sh [BUILD_DIR] [EXAMPLE.umd] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/release}"
example="${2:-examples/mur-declinant-ouest.umd}"
out="${3:-build/example}"
cli="$build/src/cli/umbrix-cli"

if [ ! -x "$cli" ]; then
  echo "umbrix-cli introuvable dans $build : lancer d'abord « make release »" >&2
  exit 2
fi
name="$(basename "$example" .umd)"
mkdir -p "$out"

status=0
"$cli" "$example" \
  --report "$out/$name.txt" \
  --png "$out/$name.png" \
  --svg "$out/$name.svg" \
  --dxf "$out/$name.dxf" \
  --size 800x800 || status=$?

if [ -f "$out/$name.txt" ]; then
  cat "$out/$name.txt"
  echo
fi
echo "Rapport et dessins de $example : $out/$name.{txt,png,svg,dxf}"
exit "$status"
