#pragma once
// The book's tables of the almanac, compiled in from data/*.csv (never typed again).
#include <span>

namespace orrelin::almanac_tables {

// A name in a table: characters held in the row itself, so that the tables carry no
// pointer and need no relocation when the program starts (they stay in read-only pages).
using TableText = char[24];

struct SeasonMean {  // JDE0 = c0 + c1 Y + c2 Y^2 + c3 Y^3 + c4 Y^4
  TableText span;  // "-1000..1000" or "1000..3000"
  TableText season;
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
  TableText argument;
  double a0, a1, c;
};
struct PhenomenonCycle {  // JDE0 = A + k B, M = M0 + k M1
  TableText planet;
  TableText event;
  double a, b, m0, m1;
};
struct PhenomenonArgument {  // c0 + c1 T degrees
  TableText argument;
  double c0, c1;
};
struct PhenomenonTerm {  // (c0 + c1 T + c2 T^2) * term(harmonic * argument)
  TableText planet;
  TableText event;
  TableText term;      // "const", "sin", "cos"
  TableText argument;  // "M", "a".."g", "none"
  int harmonic;
  double c0, c1, c2;
};
struct ElongationTerm {
  TableText planet;
  TableText side;      // "east", "west"
  TableText quantity;  // "time", "angle"
  TableText term;
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
