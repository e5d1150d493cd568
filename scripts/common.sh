# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

PAKETE=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libfuzzylite-dev
  fonts-liberation fonts-dejavu-core
  locales
)

fehlende_pakete() {
  local p
  for p in "${PAKETE[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

installieren() {
  local fehlend
  fehlend=$(fehlende_pakete)
  [ -z "$fehlend" ] && return 0
  echo "Installiere: $(echo $fehlend)"
  mit_root apt-get update -qq
  # shellcheck disable=SC2086
  mit_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $fehlend
}

mit_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The tests run a second time under a German locale (decimal comma in the C
# library); Debian ships it only once it is generated.
deutsches_gebietsschema() {
  locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return 0
  echo "Erzeuge das Gebietsschema de_DE.UTF-8"
  if [ -f /etc/locale.gen ] && command -v locale-gen >/dev/null; then
    if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
      mit_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
      echo 'de_DE.UTF-8 UTF-8' | mit_root tee -a /etc/locale.gen >/dev/null
    fi
    mit_root locale-gen >/dev/null
  else
    mit_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
  fi
}

bauen() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j"$(nproc)"
}
