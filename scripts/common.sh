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
  # The package test: Debian's and freedesktop.org's checkers, and opening a
  # .fuz file with xdg-open (generic mode: mimetype) and gio on a virtual display.
  lintian desktop-file-utils appstream shared-mime-info
  xdg-utils libfile-mimeinfo-perl libglib2.0-bin xvfb xauth procps
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

# The test suite with AddressSanitizer and UndefinedBehaviorSanitizer, Debug,
# in its own folder; clang when it is there.
sanitizer_bauen() {
  local compiler=()
  if [ -z "${CXX:-}" ] && command -v clang++ >/dev/null; then
    compiler=(-DCMAKE_CXX_COMPILER=clang++)
  fi
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON -DTARVIK_BENCH=OFF \
    "${compiler[@]}" >/dev/null
  cmake --build build-asan -j"$(nproc)"
}

# Leak checking is on and needs no suppressions: the offscreen platform
# reports no leaks of its own.
sanitizer_testen() {
  (
    cd build-asan
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j"$(nproc)"
  )
}

FUZZ_ZIELE=(fuz_fuzz gen_fuzz zahlen_fuzz chromosom_fuzz)

# clang and libFuzzer, installed only for the fuzz step; a machine without them
# skips fuzzing.
fuzz_werkzeuge() {
  fuzzer_vorhanden && return 0
  command -v apt-get >/dev/null || return 0
  echo "Installiere clang und libFuzzer"
  mit_root apt-get update -qq || true
  mit_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    clang libclang-rt-dev >/dev/null 2>&1 ||
    mit_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      clang libclang-rt-14-dev >/dev/null 2>&1 || true
}

fuzzer_vorhanden() {
  command -v clang++ >/dev/null || return 1
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer -o /dev/null - >/dev/null 2>&1
}

fuzz_bauen() {
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTARVIK_FUZZ=ON -DTARVIK_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j"$(nproc)" --target "${FUZZ_ZIELE[@]}"
}

# One seed file per line of the given files (numbers and chromosomes).
zeilen_als_saat() {
  local ziel="$1"; shift
  mkdir -p "$ziel"
  cat "$@" | tr -d '\r' | sort -u | awk -v ziel="$ziel" 'NF { f = ziel "/zeile" NR; printf "%s", $0 > f; close(f) }'
}

fuzz_saat() {
  local saat=build-fuzz/saat
  rm -rf "$saat"
  mkdir -p "$saat/fuz_fuzz" "$saat/gen_fuzz"
  cp examples/*.fuz tests/data/*.fuz "$saat/fuz_fuzz/"
  cp examples/*.gen "$saat/gen_fuzz/"
  zeilen_als_saat "$saat/zahlen_fuzz" examples/*.fuz tests/data/*.fuz
  zeilen_als_saat "$saat/chromosom_fuzz" examples/*.gen
}

fuzz_laufen() {
  local sekunden="$1" ziel status=0 ausgaben
  fuzz_saat
  ausgaben=build-fuzz/protokoll
  mkdir -p build-fuzz/funde "$ausgaben"
  for ziel in "${FUZZ_ZIELE[@]}"; do
    mkdir -p "build-fuzz/korpus/$ziel"
    echo "== $ziel: $sekunden s"
    if ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      "build-fuzz/tests/fuzz/$ziel" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/funde/$ziel-" \
        "build-fuzz/korpus/$ziel" "build-fuzz/saat/$ziel" >"$ausgaben/$ziel.txt" 2>&1; then
      echo "   $(grep -m1 'stat::number_of_executed_units' "$ausgaben/$ziel.txt" | awk '{print $2}') Ausführungen," \
        "Korpus $(find "build-fuzz/korpus/$ziel" -type f | wc -l) Eingaben, nichts gefunden"
    else
      status=1
      echo "   FUND: siehe $ausgaben/$ziel.txt und build-fuzz/funde/"
      tail -n 30 "$ausgaben/$ziel.txt"
    fi
  done
  return $status
}
