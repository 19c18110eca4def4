#include "almanac/tables.h"

namespace orrelin::almanac_tables {

namespace {

constexpr SeasonMean kSeasonMeans[] = {
#include "season_mean_instants.inc"
};
constexpr SeasonTerm kSeasonTerms[] = {
#include "season_periodic_terms.inc"
};
constexpr PhaseTerm kPhaseTerms[] = {
#include "moon_phase_terms.inc"
};
constexpr PhaseAdditional kPhaseAdditionals[] = {
#include "moon_phase_additional_terms.inc"
};
constexpr PhenomenonCycle kCycles[] = {
#include "planet_phenomena_cycles.inc"
};
constexpr PhenomenonArgument kArguments[] = {
#include "planet_phenomena_arguments.inc"
};
constexpr PhenomenonTerm kTerms[] = {
#include "planet_phenomena_terms.inc"
};
constexpr ElongationTerm kElongations[] = {
#include "elongation_terms.inc"
};

}  // namespace

std::span<const SeasonMean> SeasonMeans() { return kSeasonMeans; }
std::span<const SeasonTerm> SeasonTerms() { return kSeasonTerms; }
std::span<const PhaseTerm> PhaseTerms() { return kPhaseTerms; }
std::span<const PhaseAdditional> PhaseAdditionals() { return kPhaseAdditionals; }
std::span<const PhenomenonCycle> PhenomenonCycles() { return kCycles; }
std::span<const PhenomenonArgument> PhenomenonArguments() { return kArguments; }
std::span<const PhenomenonTerm> PhenomenonTerms() { return kTerms; }
std::span<const ElongationTerm> ElongationTerms() { return kElongations; }

}  // namespace orrelin::almanac_tables
