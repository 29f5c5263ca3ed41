# Shared by run.sh and test.sh: install missing Debian packages, then configure and build into build/.
set -euo pipefail

PACKAGES=(qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev libbenchmark-dev cmake ninja-build g++
  fonts-liberation2 fonts-dejavu-core locales xvfb xauth poppler-utils librsvg2-bin desktop-file-utils appstream man-db)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installiere fehlende Pakete: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

ensure_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  fi
}

build_project() {
  local top
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
  cmake --build "$top/build" -j "$(nproc)"
}
