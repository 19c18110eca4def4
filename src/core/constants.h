#pragma once
// The physical constants of every computation, each with its source. The book's chain
// keeps the book's values (Meeus, Astronomical Algorithms, 1991, which takes the IAU 1976
// system); the precise chain keeps the current conventional ones.

namespace orrelin {

// The Earth's equatorial radius, IAU 1976 (the book's a = 6378.14 km).
inline constexpr double kEarthEquatorialRadiusKm = 6378.14;
inline constexpr double kEarthEquatorialRadiusMetres = kEarthEquatorialRadiusKm * 1000.0;
// The Earth's flattening f = 1/298.257, IAU 1976 (the book's), and the ratio of the polar
// to the equatorial radius b/a = 1 - f.
inline constexpr double kEarthFlattening = 1.0 / 298.257;
inline constexpr double kEarthAxisRatio = 1.0 - kEarthFlattening;

// The Earth's equatorial radius of the IERS Conventions (2010), table 1.1: 6378136.6 m,
// for the precise chain.
inline constexpr double kEarthEquatorialRadiusIersKm = 6378.1366;
// The astronomical unit, IAU 2012 resolution B2: 149597870700 m exactly.
inline constexpr double kAstronomicalUnitKm = 149597870.7;

// The solar parallax, IAU 1976 as the book uses it: the Earth's equatorial radius seen
// from 1 AU, in arc seconds.
inline constexpr double kSolarParallaxArcSeconds = 8.794;
// The Sun's semidiameter at 1 AU in arc seconds (the book: s = 959.63'' / R).
inline constexpr double kSunSemidiameterAtOneAu = 959.63;
// The Moon's semidiameter constant of the book, in arc seconds times kilometres
// (s = 358473400'' / distance in km).
inline constexpr double kMoonSemidiameterArcSecondsKm = 358473400.0;
// The Moon's k: its radius in the Earth's equatorial radii as the nautical almanacs take
// it (semidiameter = 0.2725 × horizontal parallax).
inline constexpr double kMoonRadiusInEarthRadii = 0.2725;

}  // namespace orrelin
