#pragma once

namespace zel::reports {

class ReportRegistry;

// Every report of the program, the invoice first. It sits above the report families, the
// catalogue's among them, because it names them all.
const ReportRegistry &standardReports();

} // namespace zel::reports
