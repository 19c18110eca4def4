#!/usr/bin/python3
"""The planets' positions of the "total" almanac year computed with PyEphem, for a side
by side comparison with orrelin-cli: the seven planets from Mercury to Neptune at every
whole hour of every day of the year (0h to 24h, 25 positions a day), each its apparent
right ascension and declination. With --pairs also
the separation of each pair, as the search for planets seen near each other needs; the
comparison leaves it out, which makes PyEphem's figure the smaller one.

Usage: pyephem_total_year.py YEAR [--pairs]    (prints what it computed)
"""
import sys

import ephem


def main():
    year = int(sys.argv[1]) if len(sys.argv) > 1 else 2026
    pairs = "--pairs" in sys.argv[2:]
    planets = [ephem.Mercury(), ephem.Venus(), ephem.Mars(), ephem.Jupiter(), ephem.Saturn(),
               ephem.Uranus(), ephem.Neptune()]
    start = ephem.Date((year, 1, 1))
    days = int(ephem.Date((year + 1, 1, 1)) - start)
    limit = ephem.degrees("3.0")
    positions = close = 0
    for day in range(days):
        for hour in range(25):
            when = ephem.Date(start + day + hour / 24.0)
            for planet in planets:
                planet.compute(when)
                planet.ra, planet.dec  # PyEphem computes when a coordinate is read
                positions += 1
            if not pairs:
                continue
            for i in range(len(planets)):
                for j in range(i + 1, len(planets)):
                    if ephem.separation(planets[i], planets[j]) < limit:
                        close += 1
    print(f"{positions} positions" + (f", {close} pair-hours within 3 degrees" if pairs else ""))


if __name__ == "__main__":
    main()
