#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user find there:
# every file, a valid desktop file and metainfo, and a program that runs from another folder
# and finds its help file. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=$(mktemp -d /tmp/velumat-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/velumat \
  share/velumat/velumathlp.rtf \
  share/applications/de.velumat.Velumat.desktop \
  share/metainfo/de.velumat.Velumat.metainfo.xml \
  share/icons/hicolor/scalable/apps/velumat.svg \
  share/icons/hicolor/48x48/apps/velumat.png \
  share/icons/hicolor/128x128/apps/velumat.png \
  share/icons/hicolor/256x256/apps/velumat.png \
  share/man/man1/velumat.1.gz \
  share/doc/velumat/copyright \
  share/doc/velumat/changelog.gz; do
  [ -s "$prefix/$f" ] || fail "$f fehlt"
done
[ -x "$prefix/bin/velumat" ] || fail "bin/velumat ist nicht ausführbar"

meldungen=$(desktop-file-validate "$prefix/share/applications/de.velumat.Velumat.desktop" 2>&1) ||
  fail "Desktop-Datei: $meldungen"
if grep -v ': hint:' <<<"$meldungen" | grep -q .; then fail "Desktop-Datei: $meldungen"; fi
appstreamcli validate --no-net "$prefix/share/metainfo/de.velumat.Velumat.metainfo.xml" >/dev/null ||
  fail "Metainfo ungültig"
man -l "$prefix/share/man/man1/velumat.1.gz" >/dev/null 2>&1 || fail "Handbuchseite"

# The installed program from another folder: version, help, and the help file it reads.
cd /tmp
"$prefix/bin/velumat" --version | grep -qx 'velumat [0-9]*\.[0-9]*\.[0-9]*' || fail "--version"
hilfe=$("$prefix/bin/velumat" --help)
grep -q -- '--topic THEMA' <<<"$hilfe" || fail "--help"
grep -qx "Hilfedatei: $prefix/share/velumat/velumathlp.rtf" <<<"$hilfe" ||
  fail "das installierte Programm findet seine Hilfedatei nicht: $(tail -n 1 <<<"$hilfe")"
echo "Installation in $prefix geprüft"
