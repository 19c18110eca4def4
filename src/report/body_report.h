#pragma once
// The body report: everything known about one body for the main window's place
// and moment, as the report window shows it.
#include <optional>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "report/report_record.h"
#include "stars/star_window.h"
#include "core/message_texts.h"

namespace orrelin {

// What one run gives: the report window's record, what the main window's boxes show
// after it (the minutes boxes, the Delta box) and whether the star window's mode
// label reads "STAR".
struct BodyReportResult {
  ReportWindowRecord report;
  MainWindowCorrections mainWindow;
  bool starMode = false;
};

// The whole report, for the window and the command line alike. Reads the body, place
// and moment from `main`; the report starts from `shown`, what the report window
// shows now (a run stopped by a message leaves what it has not yet emptied). For a
// star the star comes from the star window's boxes, read once per run.
BodyReportResult BodyReport(const MainWindowRecord& main, const ReportWindowRecord& shown, MessageSink& sink,
                            const StarWindowRecord* starWindow = nullptr);

}  // namespace orrelin
