#pragma once
// The report from the precise ephemeris: the boxes of the book's report, with the
// precise chain's own explanation lines.
#include "core/messages.h"
#include "report/report_record.h"
#include "report/report_start.h"

namespace orrelin {

// Fills the report from the precise chain; false (with the reason said) when it has no
// place for the body or the moment, and the book's report is given instead.
bool PreciseReport(const ReportStart& start, ReportWindowRecord& report, MessageSink& sink);

}  // namespace orrelin
