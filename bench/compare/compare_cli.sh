#!/usr/bin/env bash
# Side by side, in one run: the command line's start against a hello-world program built
# with the same flags (processor time, user and system), and the "total" almanac year as
# a whole process against PyEphem computing the same 63,875 planet positions (wall time).
#
#   bash bench/compare/compare_cli.sh [BUILD_FOLDER]     (default: build)
#
# Needs hyperfine and, for the second comparison, Debian's python3-ephem:
#   sudo apt-get install hyperfine python3-ephem
# Targets: orrelin-cli report sun within 1.5 times the hello-world's processor time; the
# total year at least 30 times faster than PyEphem. Exits 1 when a target is missed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
cli="$build/src/cli/orrelin-cli"
hello="$build/bench/startup-hello"
year=2026
for program in "$cli" "$hello"; do
  [ -x "$program" ] || { echo "$program is not built: cmake --build $build"; exit 2; }
done
command -v hyperfine > /dev/null || { echo "hyperfine is not installed: sudo apt-get install hyperfine"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The settings of a first start, the same on every machine.
export XDG_CONFIG_HOME="$work/config"

# The mean of a hyperfine result: "wall" (seconds) or "cpu" (user + system, seconds).
mean() {
  /usr/bin/python3 -c 'import json, sys
r = json.load(open(sys.argv[1]))["results"][int(sys.argv[2])]
print(r["mean"] if sys.argv[3] == "wall" else r["user"] + r["system"])' "$@"
}
ratio() { /usr/bin/python3 -c 'import sys; print(f"{float(sys.argv[1]) / float(sys.argv[2]):.2f}")' "$1" "$2"; }
within() { /usr/bin/python3 -c 'import sys; sys.exit(0 if float(sys.argv[1]) <= float(sys.argv[2]) else 1)' "$1" "$2"; }

status=0
echo "== The command line's start: processor time against a hello-world program"
hyperfine -N --warmup 50 --runs 500 --export-json "$work/start.json" \
  "$hello" "$cli report sun" "$cli --version" > "$work/start.txt"
hello_cpu=$(mean "$work/start.json" 0 cpu)
for i in 1 2; do
  name=$( [ "$i" = 1 ] && echo "report sun" || echo "--version")
  cpu=$(mean "$work/start.json" "$i" cpu)
  times=$(ratio "$cpu" "$hello_cpu")
  printf '%-12s %6.2f ms   hello-world %6.2f ms   %s times\n' "$name" \
    "$(/usr/bin/python3 -c "print($cpu * 1000)")" "$(/usr/bin/python3 -c "print($hello_cpu * 1000)")" "$times"
  if [ "$i" = 1 ] && ! within "$times" 1.5; then echo "MISSED: report sun is more than 1.5 times"; status=1; fi
done

echo "== The total almanac year against PyEphem's same planet positions (wall time)"
if /usr/bin/python3 -c 'import ephem' 2> /dev/null; then
  hyperfine -N --warmup 1 --runs 10 --export-json "$work/year.json" \
    "$cli almanac $year --total" "/usr/bin/python3 $here/pyephem_total_year.py $year" > "$work/year.txt"
  ours=$(mean "$work/year.json" 0 wall)
  theirs=$(mean "$work/year.json" 1 wall)
  faster=$(ratio "$theirs" "$ours")
  printf 'orrelin-cli almanac %s --total %7.1f ms   PyEphem %7.1f ms   %s times faster\n' "$year" \
    "$(/usr/bin/python3 -c "print($ours * 1000)")" "$(/usr/bin/python3 -c "print($theirs * 1000)")" "$faster"
  if within "$faster" 29.999; then echo "MISSED: less than 30 times faster"; status=1; fi
else
  echo "PyEphem is not installed (sudo apt-get install python3-ephem): skipped"
fi
exit $status
