#pragma once
// The zone report as text: one self-contained HTML page (styles inline, nothing fetched), which
// is also what the printed and PDF forms lay out, and CSV with one row per button.

// own
#include "report/zone_report.h"

// std
#include <string>

std::string ZoneReportHtml(const ZoneReport& report);
// The text with &, <, > and " written as HTML's entities.
std::string HtmlEscaped(const std::string& text);
// A table's opening tag; the attributes give the printed form (which reads no style sheet for
// borders) its grid lines.
inline constexpr const char* kHtmlTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">";

// Header "Station,Port-Address,Button,Button Name,Zones,Zone Names", then each station's buttons
// and the soft buttons (with station and port-address empty). Zones are numbers separated by
// blanks, zone names separated by "; ". A field a spreadsheet would run as a formula (one that
// starts with "=", "+", "-", "@", a tab or CR) starts with an apostrophe. Fields are quoted as
// RFC 4180 has it; lines end in CRLF.
std::string ZoneReportCsv(const ZoneReport& report);
