#pragma once
// The body report: everything known about one body for the main window's place
// and moment, written into the report window's record.
#include <optional>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "report/report_record.h"
#include "stars/star_window.h"

namespace orrelin {

// The whole report, for the window and the command line alike. Reads the body code,
// place and moment from `main`, fills `report`, and writes back into `main` where the
// run says so (empty minutes boxes, the Delta box). For "STAR" the star comes from the
// star window's boxes, read once per run.
void BodyReport(MainWindowRecord& main, ReportWindowRecord& report, MessageSink& sink,
                StarWindowRecord* starWindow = nullptr);

inline constexpr const char* kMessageBadLocation =
    "Give the location in degrees and minutes; height, pressure and temperature in integers";
inline constexpr const char* kMessageBadTime = "Give the time as hh:mm:ss";
inline constexpr const char* kMessageUsePoint = "Use point";

}  // namespace orrelin
