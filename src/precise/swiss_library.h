#pragma once
// The Swiss Ephemeris, opened on the first precise computation rather than at every
// start: the commands and windows that use no precise place never load it.
#include <swephexp.h>

#include <string>

namespace orrelin::precise {

// The library's functions the precise chain uses.
struct SwissLibrary {
  decltype(&swe_set_ephe_path) setEphePath = nullptr;
  decltype(&swe_set_delta_t_userdef) setDeltaTUserdef = nullptr;
  decltype(&swe_set_topo) setTopo = nullptr;
  decltype(&swe_calc_ut) calcUt = nullptr;
  decltype(&swe_pheno_ut) phenoUt = nullptr;
  decltype(&swe_fixstar2_ut) fixstar2Ut = nullptr;
  decltype(&swe_version) version = nullptr;
};

// The library, opened once for the program's life; none, with the reason, when it
// cannot be (the package that holds it is not installed).
const SwissLibrary* OpenSwissLibrary(std::string& why);

}  // namespace orrelin::precise
