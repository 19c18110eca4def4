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
            share/doc/orrelin/LICENSE share/applications/org.orrelin.orrelin.desktop \
            share/metainfo/org.orrelin.orrelin.metainfo.xml share/icons/hicolor/scalable/apps/orrelin.svg \
            share/icons/hicolor/48x48/apps/orrelin.png share/icons/hicolor/256x256/apps/orrelin.png \
            share/man/man1/orrelin.1 share/man/man1/orrelin-cli.1; do
  [ -s "$prefix/$file" ] || fail "$file was not installed"
done
desktop-file-validate "$prefix/share/applications/org.orrelin.orrelin.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.orrelin.orrelin.metainfo.xml" > /dev/null \
  || fail "AppStream metainfo"
command -v man > /dev/null || fail "man (package man-db) is not installed: scripts/setup.sh installs it"
for page in orrelin orrelin-cli; do
  [ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1" 2>&1 > /dev/null)" ] \
    || fail "man page $page has warnings"
done

# One id and one version everywhere: the AppStream id is the desktop entry's name, and
# the version the programs print is the one of the man pages and the release.
metainfo="$prefix/share/metainfo/org.orrelin.orrelin.metainfo.xml"
grep -q '<id>org.orrelin.orrelin</id>' "$metainfo" || fail "the AppStream id is not the desktop entry's name"
grep -q '<launchable type="desktop-id">org.orrelin.orrelin.desktop</launchable>' "$metainfo" \
  || fail "the AppStream launchable is not the desktop entry"
version=$("$prefix/bin/orrelin-cli" --version) || fail "orrelin-cli --version"
version=${version#Orrelin }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream release is not $version"
for page in orrelin orrelin-cli; do
  grep -q "\"Orrelin $version\"" "$prefix/share/man/man1/$page.1" || fail "man page $page is not of version $version"
done
grep -q '<image>.*/manual/images/main-window.png</image>' "$metainfo" || fail "no screenshot of the main window"

# The man page of the command line lists every command and every option its help gives.
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$prefix/share/man/man1/orrelin-cli.1" 2>/dev/null)
commands=$("$prefix/bin/orrelin-cli" --help | sed -n '/^Subcommands:/,$p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || fail "orrelin-cli --help lists no commands"
for command in $commands; do
  printf '%s\n' "$manual" | grep -q "^   $command\$" || fail "man page orrelin-cli has no section for $command"
  section=$(printf '%s\n' "$manual" | awk -v c="$command" '$0 == "   " c { on = 1; next } /^   [a-z-]+$/ { on = 0 } on')
  for option in $("$prefix/bin/orrelin-cli" "$command" --help | grep -oE '^  --[a-z-]+'); do
    printf '%s\n' "$section" | grep -q -- "$option" || fail "man page orrelin-cli: $command lacks $option"
  done
done

# The command line: the Sun from the first-start place, a star of the installed catalogue.
out=$(HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" report sun --json 2>&1) || fail "report sun: $out"
case "$out" in *'"title": "SUN"'*) ;; *) fail "report sun printed: $out" ;; esac
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" report star Sirius > /dev/null || fail "report star Sirius"
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" places | grep -q '^Helsinki ' || fail "places"

# The command line starts with the C++ runtime alone: cairo, libical and the date library's tz code are in the
# modules, which the installed program finds in the library folder when it writes a file,
# and the Swiss Ephemeris is opened by the first precise computation.
needed=$(readelf -d "$prefix/bin/orrelin-cli" | grep NEEDED) || fail "readelf (package binutils) on orrelin-cli"
case "$needed" in *cairo* | *ical* | *swe* | *date*) fail "orrelin-cli links more than the C++ runtime: $needed" ;; esac
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" report sun --precise | grep -q '^Ephemeris: *Swiss Ephemeris' \
  || fail "report sun --precise did not open the Swiss Ephemeris"
for module in orrelin-drawing.so orrelin-calendar.so orrelin-zones.so; do
  find "$prefix" -path "*/lib*/orrelin/$module" | grep -q . || fail "$module was not installed"
done
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" daily-page 2026-12-08 --pdf "$home/pages.pdf" \
  || fail "daily-page --pdf from the installed drawing module"
head -c 5 "$home/pages.pdf" | grep -q '%PDF-' || fail "daily-page --pdf wrote no PDF"
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" almanac 2026 --ics "$home/year.ics" > /dev/null \
  || fail "almanac --ics from the installed calendar module"
grep -q '^BEGIN:VCALENDAR' "$home/year.ics" || fail "almanac --ics wrote no calendar"
HOME="$home" XDG_CONFIG_HOME= "$prefix/bin/orrelin-cli" almanac 2026 --zone Europe/Helsinki \
  | grep -q ': Europe/Helsinki$' || fail "almanac --zone from the installed zones module"

# The window program's first start copies the catalogue and the place list into the home.
HOME="$home" XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
  timeout 5 "$prefix/bin/orrelin" > /dev/null 2>&1
folder="$home/.config/Tarvek/Orrelin"
cmp -s "$folder/Mstars.dat" "$prefix/share/orrelin/Mstars.dat" || fail "the window did not install the catalogue"
cmp -s "$folder/Position.txt" "$prefix/share/orrelin/Position.txt" || fail "the window did not install the place list"
echo "installed into $prefix and ran from there"
