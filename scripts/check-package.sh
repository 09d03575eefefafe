#!/usr/bin/env bash
# Builds the Debian package and checks it as a distribution would: its contents, the desktop entry,
# the metainfo, lintian; with --install (as root), installs it, asks the desktop's tools what they
# make of a project file, and removes it again, checking that nothing of it is left.
set -euo pipefail
cd "$(dirname "$0")/.."

install_check=0
[ "${1:-}" = "--install" ] && install_check=1

cmake --preset package >/dev/null
cmake --build --preset package
(cd build/package && rm -f umbrix_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/package/umbrix_*.deb)
echo "Package: $deb"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/umbrix ./usr/bin/umbrix-cli \
    ./usr/share/applications/org.umbrix.Umbrix.desktop \
    ./usr/share/mime/packages/org.umbrix.Umbrix.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.umbrix.Umbrix.svg \
    ./usr/share/icons/hicolor/64x64/apps/org.umbrix.Umbrix.png \
    ./usr/share/metainfo/org.umbrix.Umbrix.metainfo.xml \
    ./usr/share/man/man1/umbrix.1.gz ./usr/share/man/man1/umbrix-cli.1.gz \
    ./usr/share/man/fr/man1/umbrix.1.gz ./usr/share/man/fr/man1/umbrix-cli.1.gz \
    ./usr/share/doc/umbrix/copyright ./usr/share/doc/umbrix/changelog.gz \
    ./usr/share/umbrix/Manuel.pdf ./usr/share/umbrix/Manual.pdf \
    ./usr/share/umbrix/examples/mur-declinant-ouest.umd; do
  grep -qxF "$path" <<<"$contents" || fail "$path is not in the package"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/org.umbrix.Umbrix.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.umbrix.Umbrix.metainfo.xml" ||
  fail "appstreamcli validate"
xmllint --noout "$unpacked/usr/share/mime/packages/org.umbrix.Umbrix.xml" || fail "MIME file not XML"
# lintian refuses nothing a user would meet: errors and warnings fail, information is listed
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' || true)
[ -n "$lintian_out" ] && echo "$lintian_out"
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian"

if [ "$install_check" -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq "./$deb" >/dev/null
  command -v umbrix-cli >/dev/null || fail "umbrix-cli is not on the PATH"
  version=$(cd / && umbrix-cli --version) || fail "umbrix-cli --version"
  echo "Installed: $version"
  work=$(mktemp -d)
  # the file names tell nothing: the desktop must know the files by their first line
  cp /usr/share/umbrix/examples/mur-declinant-ouest.umd "$work/projet"
  printf 'UmbrixBur1\r\n' >"$work/bureau"
  export XDG_DATA_DIRS=/usr/local/share:/usr/share
  for check in "mur-declinant-ouest.umd:application/x-umbrix-project" \
      "projet:application/x-umbrix-project" "bureau:application/x-umbrix-desk-dial"; do
    file=${check%%:*} want=${check#*:}
    [ -e "$work/$file" ] || cp /usr/share/umbrix/examples/"$file" "$work/$file"
    got=$(xdg-mime query filetype "$work/$file")
    [ "$got" = "$want" ] || fail "xdg-mime: $file is $got, not $want"
  done
  for type in application/x-umbrix-project application/x-umbrix-desk-dial; do
    got=$(xdg-mime query default "$type")
    [ "$got" = "org.umbrix.Umbrix.desktop" ] || fail "xdg-mime: $type opens with '$got'"
  done
  rm -rf "$work"
  apt-get remove --purge -y -qq umbrix >/dev/null
  if dpkg-query -W umbrix 2>/dev/null | grep -q .; then fail "umbrix still known to dpkg"; fi
  for path in $contents; do
    case "$path" in */) continue ;; esac
    [ -e "${path#.}" ] && fail "${path#.} is left after removal"
  done
  [ -d /usr/share/umbrix ] && fail "/usr/share/umbrix is left after removal"
  command -v umbrix-cli >/dev/null && fail "umbrix-cli is still on the PATH"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "Package checks passed"
