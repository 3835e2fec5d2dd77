#include "reports/server/standard_reports.h"

#include "reports/campaign_summary_report.h"
#include "reports/campaign_totals_report.h"
#include "reports/catalogue/catalogue_reports.h"
#include "reports/customer_campaign_summary_report.h"
#include "reports/customer_order_summary_report.h"
#include "reports/customer_payment_summary_report.h"
#include "reports/customer_profile_report.h"
#include "reports/earnings_report.h"
#include "reports/glance/glance_report.h"
#include "reports/inventory_report.h"
#include "reports/invoice_report.h"
#include "reports/labels_report.h"
#include "reports/order_comments_report.h"
#include "reports/order_summary_report.h"
#include "reports/report.h"
#include "reports/report_registry.h"

namespace zel::reports {

const ReportRegistry &standardReports()
{
    static ReportRegistry registry;
    static const bool filled = [] {
        registry.add(std::make_unique<InvoiceReport>());
        registry.add(std::make_unique<CustomerPaymentSummaryReport>());
        registry.add(std::make_unique<CustomerCampaignSummaryReport>());
        registry.add(std::make_unique<CustomerOrderSummaryReport>());
        registry.add(std::make_unique<CustomerProfileReport>());
        registry.add(std::make_unique<OrderCommentsReport>());
        registry.add(std::make_unique<EarningsReport>());
        registry.add(std::make_unique<CampaignTotalsReport>());
        registry.add(std::make_unique<OrderSummaryReport>());
        registry.add(std::make_unique<CampaignSummaryReport>());
        registry.add(std::make_unique<LabelsReport>());
        registry.add(std::make_unique<InventoryReport>());
        registry.add(std::make_unique<GlanceReport>());
        catalogue::addCatalogueReports(registry);
        return true;
    }();
    Q_UNUSED(filled);
    return registry;
}

} // namespace zel::reports
