#!/bin/sh
# Redraws the help pages' figures with the program itself, from the bundled examples.
# Run from the source folder after a build: scripts/make-help-figures.sh [build/dev]
set -e
build=${1:-build/dev}
cli="$build/src/cli/umbrix-cli"
out=doc/help/images
mkdir -p "$out"
export ASAN_OPTIONS=detect_leaks=0
for example in mur-declinant-ouest jardin-horizontal; do
  "$cli" "examples/$example.umd" --png "$out/$example.png" --taille 420x420
done
