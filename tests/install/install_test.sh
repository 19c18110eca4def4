#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a user of the package would have it, and
# runs the installed programs with a fresh home folder: they must find the catalogue,
# the place list and the manual where they were installed.
set -u
build="$1"
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" 2>&1 || { cat "$prefix/install.log"; fail "cmake --install"; }
for file in bin/orrelin bin/orrelin-cli share/orrelin/Mstars.dat share/orrelin/Position.txt \
            share/doc/orrelin/manual/index.html share/doc/orrelin/manual/images/main-window.png \
            share/doc/orrelin/LICENSE share/applications/orrelin.desktop \
            share/metainfo/org.orrelin.Orrelin.metainfo.xml share/icons/hicolor/scalable/apps/orrelin.svg \
            share/icons/hicolor/48x48/apps/orrelin.png share/icons/hicolor/256x256/apps/orrelin.png \
            share/man/man1/orrelin.1 share/man/man1/orrelin-cli.1; do
  [ -s "$prefix/$file" ] || fail "$file was not installed"
done
desktop-file-validate "$prefix/share/applications/orrelin.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.orrelin.Orrelin.metainfo.xml" > /dev/null \
  || fail "AppStream metainfo"
command -v man > /dev/null || fail "man (package man-db) is not installed: scripts/setup.sh installs it"
for page in orrelin orrelin-cli; do
  [ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 > /dev/null)" ] \
    || fail "man page $page has warnings"
done

# The command line: the Sun from the first-start place, a star of the installed catalogue.
out=$(HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" report sun --json 2>&1) || fail "report sun: $out"
case "$out" in *'"title": "SUN"'*) ;; *) fail "report sun printed: $out" ;; esac
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" report star Sirius > /dev/null || fail "report star Sirius"
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" places | grep -q '^Helsinki ' || fail "places"

# The window program's first start copies the catalogue and the place list into the home.
HOME="$home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  timeout 5 "$prefix/bin/orrelin" > /dev/null 2>&1
folder="$home/.config/Tarvek/Orrelin"
cmp -s "$folder/Mstars.dat" "$prefix/share/orrelin/Mstars.dat" || fail "the window did not install the catalogue"
cmp -s "$folder/Position.txt" "$prefix/share/orrelin/Position.txt" || fail "the window did not install the place list"
echo "installed into $prefix and ran from there"
