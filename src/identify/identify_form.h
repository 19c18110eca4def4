#pragma once
// The identification's sight and result in one record, and the OK that fills it: kept
// for the callers that have not yet moved to IdentifySight and IdentifyResult.
#include "identify/identification.h"

namespace orrelin {

struct TIdentifyForm : IdentifySight, IdentifyResult {
  TIdentifyForm() = default;
  TIdentifyForm(const IdentifySight& sight) : IdentifySight(sight) {}  // NOLINT: converts as before
};

// False when a message stopped it; the main window's record takes the boxes as read.
inline bool IdentifyOk(TIdentifyForm& form, MainWindowRecord& main, const std::filesystem::path& starFile,
                       MessageSink& sink) {
  static_cast<IdentifyResult&>(form) = IdentifyOk(static_cast<const IdentifySight&>(form), main, starFile, sink);
  main = form.main;
  return form.identified;
}

}  // namespace orrelin
