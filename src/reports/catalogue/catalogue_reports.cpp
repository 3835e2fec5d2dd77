#include "reports/catalogue/catalogue_reports.h"

#include "reports/catalogue/annual_summary_report.h"
#include "reports/catalogue/brochures_report.h"
#include "reports/catalogue/call_back_report.h"
#include "reports/catalogue/customers_report.h"
#include "reports/catalogue/dates_report.h"
#include "reports/catalogue/discounts_report.h"
#include "reports/catalogue/expenses_report.h"
#include "reports/catalogue/helper_summary_report.h"
#include "reports/catalogue/mileage_report.h"
#include "reports/catalogue/notes_report.h"
#include "reports/catalogue/payment_summary_report.h"
#include "reports/catalogue/points_report.h"
#include "reports/catalogue/statistics_report.h"
#include "reports/report_registry.h"

namespace zel::reports::catalogue {

void addCatalogueReports(ReportRegistry &registry)
{
    registry.add(std::make_unique<CustomersReport>());
    registry.add(std::make_unique<BrochuresReport>());
    registry.add(std::make_unique<DiscountsReport>());
    registry.add(std::make_unique<ExpensesReport>());
    registry.add(std::make_unique<AnnualSummaryReport>());
    registry.add(std::make_unique<PaymentSummaryReport>());
    registry.add(std::make_unique<StatisticsReport>());
    registry.add(std::make_unique<CallBackReport>());
    registry.add(std::make_unique<HelperSummaryReport>());
    registry.add(std::make_unique<DatesReport>());
    registry.add(std::make_unique<PointsReport>());
    registry.add(std::make_unique<MileageReport>());
    registry.add(std::make_unique<NotesReport>());
}

} // namespace zel::reports::catalogue
