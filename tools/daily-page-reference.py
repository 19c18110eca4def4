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


# Risings, settings and twilights at Greenwich longitude (local mean time = UT), as the
# daily pages give them: the Sun's upper limb at -34' (no further refraction), its
# centre at -6 and -12 degrees; the Moon's upper limb at -34'.
def event(body, observer, start, rising, horizon, centre):
    observer.horizon = horizon
    observer.date = start
    try:
        when = (observer.next_rising if rising else observer.next_setting)(body, use_center=centre)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    hours = (when - ephem.Date(start)) * 24.0
    return hours if hours < 24.0 else None


print()
for day, latitude in [("2026/12/9", 60), ("2026/12/9", 0), ("2026/12/9", -40), ("2026/6/21", 50), ("2026/3/20", 30)]:
    o = ephem.Observer()
    o.lon, o.lat, o.elevation, o.pressure = "0", str(latitude), 0, 0
    sun = ephem.Sun()
    row = [event(sun, o, day, True, "-12", True), event(sun, o, day, True, "-6", True),
           event(sun, o, day, True, "-0:34", False), event(sun, o, day, False, "-0:34", False),
           event(sun, o, day, False, "-6", True), event(sun, o, day, False, "-12", True)]
    y, m, d = (int(x) for x in day.split("/"))
    print(f"    {{{{{y}, {m}, {d}}}, {latitude}, {{" + ", ".join("-1" if h is None else f"{h:.4f}" for h in row) + "}},")
print()
for day in ["2026/12/8", "2026/12/9", "2026/12/10", "2026/12/20"]:
    for latitude in [50, 0, -30]:
        o = ephem.Observer()
        o.lon, o.lat, o.elevation, o.pressure = "0", str(latitude), 0, 0
        moon = ephem.Moon()
        rise = event(moon, o, day, True, "-0:34", False)
        sets = event(moon, o, day, False, "-0:34", False)
        y, m, d = (int(x) for x in day.split("/"))
        print(f"    {{{{{y}, {m}, {d}}}, {latitude}, " + ", ".join("-1" if h is None else f"{h:.4f}" for h in [rise, sets]) + "},")
