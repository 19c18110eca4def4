#!/usr/bin/python3
"""Reference numbers for the precise chain's tests, from an independent program:
Debian's python3-ephem (the XEphem library's VSOP87 and ELP theories). Prints the GHA
and declination of the Sun, the Moon and the planets, the GHA of Aries, and a few
stars' SHA and declination at 0h UT of some days, as C++ table rows (degrees).
Run once; its output is pasted into tests/precise/nautical_test.cpp."""
import math
import ephem

DAYS = ["2026/12/8", "2000/1/1", "2021/6/21", "1985/3/15"]
BODIES = [("Sun", ephem.Sun), ("Moon", ephem.Moon), ("Venus", ephem.Venus), ("Mars", ephem.Mars),
          ("Jupiter", ephem.Jupiter), ("Saturn", ephem.Saturn)]
STARS = ["Sirius", "Polaris", "Vega", "Canopus", "Rigel", "Deneb"]


def degrees(angle):
    return math.degrees(float(angle))


for day in DAYS:
    greenwich = ephem.Observer()
    greenwich.lon, greenwich.lat, greenwich.elevation = "0", "0", 0
    greenwich.pressure = 0
    greenwich.date = ephem.Date(day)
    gast = degrees(greenwich.sidereal_time())
    y, m, d = (int(x) for x in day.split("/"))
    print(f'    {{{y}, {m}, {d}, "Aries", {gast:.5f}, 0.0}},')
    for name, body in BODIES:
        b = body(greenwich.date)  # geocentric apparent place of date
        gha = (gast - degrees(b.g_ra)) % 360.0
        print(f'    {{{y}, {m}, {d}, "{name}", {gha:.5f}, {degrees(b.g_dec):.5f}}},')
    for star in STARS:
        s = ephem.star(star)
        s.compute(greenwich.date)
        sha = (360.0 - degrees(s.g_ra)) % 360.0
        print(f'    {{{y}, {m}, {d}, "{star}", {sha:.5f}, {degrees(s.g_dec):.5f}}},')
