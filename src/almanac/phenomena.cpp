#include "almanac/phenomena.h"

#include <array>
#include <cmath>
#include <string_view>

#include "almanac/seasons.h"
#include "almanac/tables.h"
#include "core/angles.h"

namespace orrelin {

namespace {

constexpr std::array<std::string_view, 9> kPlanetNames{"", "Mercury", "Venus", "", "Mars", "Jupiter", "Saturn",
                                                       "Uranus", "Neptune"};

std::string_view PlanetName(int planet) {
  return planet >= 1 && planet <= 8 ? kPlanetNames[static_cast<std::size_t>(planet)] : "";
}

std::string_view EventName(int planet, int phenomenon) {
  if (planet <= 2) return phenomenon == 0 ? "inferior_conjunction" : "superior_conjunction";
  return phenomenon == 0 ? "opposition" : "conjunction";
}

const almanac_tables::PhenomenonCycle* CycleOf(int planet, int phenomenon) {
  for (const auto& row : almanac_tables::PhenomenonCycles()) {
    if (row.planet == PlanetName(planet) && row.event == EventName(planet, phenomenon)) return &row;
  }
  return nullptr;
}

double Quadratic(double c0, double c1, double c2, double t) { return c0 + t * (c1 + t * c2); }

// The angle of a term: h M for "M", else the additional argument a .. g at T.
double ArgumentOf(std::string_view argument, int harmonic, double meanAnomaly, double t) {
  if (argument == "M") return harmonic * meanAnomaly;
  for (const auto& row : almanac_tables::PhenomenonArguments()) {
    if (row.argument == argument) return row.c0 + row.c1 * t;
  }
  return 0.0;
}

// c0 + c1 T + c2 T^2 times the term's sine, cosine or 1.
double TermValue(std::string_view term, std::string_view argument, int harmonic, double c0, double c1, double c2,
                 double meanAnomaly, double t) {
  const double coefficient = Quadratic(c0, c1, c2, t);
  if (term == "const") return coefficient;
  const double angle = NormalizeAngle(ArgumentOf(argument, harmonic, meanAnomaly, t));
  return coefficient * (term == "sin" ? SinDeg(angle) : CosDeg(angle));
}

struct MeanInstant {
  double jde0 = 0.0, m = 0.0, t = 0.0;
};
MeanInstant MeanInstantOf(const almanac_tables::PhenomenonCycle& c, long long k) {
  MeanInstant mean;
  mean.jde0 = c.a + static_cast<double>(k) * c.b;
  mean.m = c.m0 + static_cast<double>(k) * c.m1;
  mean.t = CenturiesSinceJ2000(mean.jde0);
  return mean;
}

}  // namespace

long long PhenomenonCycle(int year, int planet, int phenomenon) {
  const auto* c = CycleOf(planet, phenomenon);
  if (c == nullptr) return 0;
  return Trunc((365.2425 * year + 1721060.0 - c->a) / c->b);
}

double PlanetPhenomenonInstant(int planet, int phenomenon, long long k) {
  const auto* c = CycleOf(planet, phenomenon);
  if (c == nullptr) return 0.0;
  const MeanInstant mean = MeanInstantOf(*c, k);
  double correction = 0.0;
  for (const auto& term : almanac_tables::PhenomenonTerms()) {
    if (term.planet != PlanetName(planet) || term.event != EventName(planet, phenomenon)) continue;
    correction += TermValue(term.term, term.argument, term.harmonic, term.c0, term.c1, term.c2, mean.m, mean.t);
  }
  return mean.jde0 + correction;
}

Elongation GreatestElongation(int planet, int side, long long k) {
  const auto* c = CycleOf(planet, 0);
  if (c == nullptr) return {};
  const MeanInstant mean = MeanInstantOf(*c, k);
  Elongation e{mean.jde0, 0.0};
  const std::string_view sideName = side == 0 ? "east" : "west";
  for (const auto& term : almanac_tables::ElongationTerms()) {
    if (term.planet != PlanetName(planet) || term.side != sideName) continue;
    const double value = TermValue(term.term, "M", term.harmonic, term.c0, term.c1, term.c2, mean.m, mean.t);
    (std::string_view(term.quantity) == "time" ? e.jde : e.angle) += value;
  }
  return e;
}

}  // namespace orrelin
