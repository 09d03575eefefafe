#!/usr/bin/env bash
# Installs the Debian 12 packages Umbrix needs to build, test and run, and only those missing;
# creates the German locale the tests use to prove that numbers never follow the locale.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins fonts-liberation
  # Qt's own dialogs and buttons in French
  qt6-translations-l10n
  # lupdate and lrelease, and the CMake that finds them (qt_add_translations)
  qt6-l10n-tools qt6-tools-dev
  python3-ezdxf locales
  # the desk dial's clock tested in named zones (UTC, Asia/Kolkata, Europe/Paris...)
  tzdata
  # the manual and the PDF prints read back by the tests
  poppler-utils
  # the Debian package and its checks: man pages, dependencies, validators
  help2man dpkg-dev desktop-file-utils appstream lintian libxml2-utils
  # the installed package asked about by the desktop's own tools
  xdg-utils shared-mime-info libfile-mimeinfo-perl
)
# the libFuzzer targets of `make fuzz`
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
need_locale=0
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  need_locale=1
fi

if [ ${#missing[@]} -eq 0 ] && [ "$need_locale" -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  if [ ${#missing[@]} -ne 0 ]; then
    echo "Missing packages (${missing[*]}) and neither root nor sudo available." >&2
    exit 1
  fi
  # only the test locale is missing: its tests say they are skipped
  exit 0
fi

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
if [ "$need_locale" -eq 1 ]; then
  echo "Creating the locale de_DE.UTF-8 for the tests"
  "${sudo[@]}" localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 || true
fi
