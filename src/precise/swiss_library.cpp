#include "precise/swiss_library.h"

#include <dlfcn.h>

namespace orrelin::precise {

namespace {

struct Opened {
  SwissLibrary library;
  std::string problem;  // empty when it opened
};

template <class F>
bool Find(void* handle, const char* name, F& function, std::string& problem) {
  function = reinterpret_cast<F>(dlsym(handle, name));
  if (function == nullptr && problem.empty()) problem = std::string("it has no ") + name;
  return function != nullptr;
}

Opened Open() {
  Opened o;
  // Never closed: the library keeps its files and settings for the program's life.
  void* handle = dlopen(ORRELIN_SWISS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = dlerror();
    o.problem = error != nullptr ? error : "it was not found";
  } else {
    SwissLibrary& l = o.library;
    Find(handle, "swe_set_ephe_path", l.setEphePath, o.problem);
    Find(handle, "swe_set_delta_t_userdef", l.setDeltaTUserdef, o.problem);
    Find(handle, "swe_set_topo", l.setTopo, o.problem);
    Find(handle, "swe_calc_ut", l.calcUt, o.problem);
    Find(handle, "swe_pheno_ut", l.phenoUt, o.problem);
    Find(handle, "swe_fixstar2_ut", l.fixstar2Ut, o.problem);
    Find(handle, "swe_version", l.version, o.problem);
  }
  if (!o.problem.empty()) {
    o.problem = "The Swiss Ephemeris (" ORRELIN_SWISS_LIBRARY ", Debian's libswe2.0) could not be opened: " + o.problem;
  }
  return o;
}

}  // namespace

const SwissLibrary* OpenSwissLibrary(std::string& why) {
  static const Opened opened = Open();  // once, whichever thread asks first
  if (!opened.problem.empty()) {
    why = opened.problem;
    return nullptr;
  }
  return &opened.library;
}

}  // namespace orrelin::precise
