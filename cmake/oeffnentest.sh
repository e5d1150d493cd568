#!/bin/sh
# Opens a .fuz file as a desktop does, with the package unpacked under WURZEL,
# on the display that xvfb-run gives: first through the package's own desktop
# entry, then through the per-user entry that the set-up writes for a copy of
# Tarvik in a folder with blanks, quotes, "$", "%" and a backslash in its
# name. xdg-open runs in its generic mode (no desktop environment), as on any
# desktop without one of its own. Each launcher must start that Tarvik with
# the file; the test then ends that Tarvik.
#   oeffnentest.sh WURZEL DATEITYP_SCHREIBEN
set -eu
wurzel=$1
schreiben=$2

t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT

export HOME="$t/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export XDG_CONFIG_DIRS="$t/etc" XDG_DATA_DIRS="$wurzel/usr/share:/usr/share"
export PATH="$wurzel/usr/bin:$PATH"
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID \
  MATE_DESKTOP_SESSION_ID DBUS_SESSION_BUS_ADDRESS BROWSER 2>/dev/null || true
export XDG_RUNTIME_DIR="$t/laufzeit"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

update-mime-database "$wurzel/usr/share/mime"
update-desktop-database "$wurzel/usr/share/applications"

datei="$t/Meine Projekte/pendel.fuz"
mkdir -p "$t/Meine Projekte"
cp "$wurzel/usr/share/tarvik/examples/pendel.fuz" "$datei"

# starten PROGRAMM BEFEHL...: runs BEFEHL with the file, waits (20 s at most)
# until PROGRAMM runs with the file as an argument, and ends that run.
starten() {
  programm=$1
  shift
  "$@" "$datei" >"$t/ausgabe" 2>&1 &
  aufrufer=$!
  ende=$(($(date +%s) + 20))
  while [ "$(date +%s)" -le $ende ]; do
    # Only processes whose command line names the test's folder.
    for pid in $(pgrep -f -- "$t" || true); do
      [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$programm" ] || continue
      if tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | grep -qxF "$datei"; then
        kill "$pid" 2>/dev/null || true
        wait "$aufrufer" 2>/dev/null || true
        printf 'ok: %s startet Tarvik mit der Datei\n' "$*"
        return 0
      fi
    done
    sleep 0.1
  done
  kill "$aufrufer" 2>/dev/null || true
  printf 'FEHLER: %s startet %s nicht mit %s\n' "$*" "$programm" "$datei"
  cat "$t/ausgabe"
  return 1
}

status=0
printf 'Paketeintrag: %s\n' "$(grep '^Exec=' "$wurzel/usr/share/applications/tarvik.desktop")"
starten "$wurzel/usr/lib/tarvik/tarvik" xdg-open || status=1

ordner="$t/Mein \"Tar\"vik \$HOME 100% a\\b"
mkdir -p "$ordner"
cp "$wurzel/usr/lib/tarvik/tarvik" "$ordner/tarvik"
"$schreiben" "$ordner/tarvik"
update-mime-database "$XDG_DATA_HOME/mime"
eintrag="$XDG_DATA_HOME/applications/tarvik-fuz.desktop"
printf 'Benutzereintrag für %s: %s\n' "$ordner" "$(grep '^Exec=' "$eintrag")"
starten "$ordner/tarvik" xdg-open || status=1
starten "$ordner/tarvik" gio open || status=1
starten "$ordner/tarvik" gio launch "$eintrag" || status=1
exit $status
