#pragma once

namespace zel::reports {

class ReportRegistry;

namespace catalogue {

// Adds the business reports of the report screen's tabs 4, 5, 8, 9 and 11 to 19 to `registry`.
void addCatalogueReports(ReportRegistry &registry);

} // namespace catalogue
} // namespace zel::reports
