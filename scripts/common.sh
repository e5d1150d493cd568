# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

PAKETE=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libfuzzylite-dev
  fonts-liberation fonts-dejavu-core
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
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installiere: $(echo $fehlend)"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $fehlend
}

bauen() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j"$(nproc)"
}
