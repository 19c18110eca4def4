#pragma once
// The book's tables of the almanac, compiled in from data/*.csv (never typed again).
#include <span>

namespace orrelin::almanac_tables {

struct SeasonMean {  // JDE0 = c0 + c1 Y + c2 Y^2 + c3 Y^3 + c4 Y^4
  const char* span;  // "-1000..1000" or "1000..3000"
  const char* season;
  double c[5];
};
struct SeasonTerm {  // 0.00001 A cos(B + C T), days
  double a, b, c;
};
struct PhaseTerm {  // sin(a M + b M' + c F) E^ePower, one coefficient per kind of phase
  int a, b, c, ePower;
  double newMoon, fullMoon, quarters;
};
struct PhaseAdditional {  // c sin(a0 + a1 k)
  const char* argument;
  double a0, a1, c;
};
struct PhenomenonCycle {  // JDE0 = A + k B, M = M0 + k M1
  const char* planet;
  const char* event;
  double a, b, m0, m1;
};
struct PhenomenonArgument {  // c0 + c1 T degrees
  const char* argument;
  double c0, c1;
};
struct PhenomenonTerm {  // (c0 + c1 T + c2 T^2) * term(harmonic * argument)
  const char* planet;
  const char* event;
  const char* term;      // "const", "sin", "cos"
  const char* argument;  // "M", "a".."g", "none"
  int harmonic;
  double c0, c1, c2;
};
struct ElongationTerm {
  const char* planet;
  const char* side;      // "east", "west"
  const char* quantity;  // "time", "angle"
  const char* term;
  int harmonic;
  double c0, c1, c2;
};

std::span<const SeasonMean> SeasonMeans();
std::span<const SeasonTerm> SeasonTerms();
std::span<const PhaseTerm> PhaseTerms();
std::span<const PhaseAdditional> PhaseAdditionals();
std::span<const PhenomenonCycle> PhenomenonCycles();
std::span<const PhenomenonArgument> PhenomenonArguments();
std::span<const PhenomenonTerm> PhenomenonTerms();
std::span<const ElongationTerm> ElongationTerms();

}  // namespace orrelin::almanac_tables
