#pragma once
// Conjunctions, oppositions and greatest elongations of the planets,
// Meeus, Astronomical Algorithms, ch. 35.

namespace orrelin {

// Planet numbers of the phenomena: 1 Mercury, 2 Venus, 4 Mars .. 8 Neptune.
enum PhenomenonPlanet { kPhMercury = 1, kPhVenus = 2, kPhMars = 4, kPhJupiter = 5, kPhSaturn = 6, kPhUranus = 7,
                        kPhNeptune = 8 };
// Phenomenon 0: inferior conjunction (Mercury, Venus) or opposition; 1: superior
// conjunction or conjunction.

// k0 = Trunc((365.2425 year + 1721060 - A) / B).
long long PhenomenonCycle(int year, int planet, int phenomenon);

// The instant (JDE) of the phenomenon of cycle k.
double PlanetPhenomenonInstant(int planet, int phenomenon, long long k);

struct Elongation {
  double jde = 0.0;
  double angle = 0.0;  // degrees
};
// Mercury (1) or Venus (2); side 0 eastern, 1 western; k the inferior conjunction's cycle.
Elongation GreatestElongation(int planet, int side, long long k);

}  // namespace orrelin
