#include "reports/report_registry.h"

#include "reports/campaign_summary_report.h"
#include "reports/campaign_totals_report.h"
#include "reports/catalogue/catalogue_reports.h"
#include "reports/customer_campaign_summary_report.h"
#include "reports/customer_order_summary_report.h"
#include "reports/customer_payment_summary_report.h"
#include "reports/customer_profile_report.h"
#include "reports/earnings_report.h"
#include "reports/inventory_report.h"
#include "reports/invoice_report.h"
#include "reports/labels_report.h"
#include "reports/order_comments_report.h"
#include "reports/order_summary_report.h"
#include "reports/report.h"

namespace zel::reports {

const ReportRegistry &ReportRegistry::standard()
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
        catalogue::addCatalogueReports(registry);
        return true;
    }();
    Q_UNUSED(filled);
    return registry;
}

bool ReportRegistry::add(std::unique_ptr<Report> report)
{
    if (!report || find(report->name()))
        return false;
    for (const QString &layout : report->layoutNames())
        if (forLayout(layout))
            return false;
    m_reports.push_back(std::move(report));
    return true;
}

const Report *ReportRegistry::find(const QString &name) const
{
    for (const auto &report : m_reports)
        if (report->name().compare(name, Qt::CaseInsensitive) == 0)
            return report.get();
    return nullptr;
}

const Report *ReportRegistry::forLayout(const QString &layoutName) const
{
    for (const auto &report : m_reports)
        if (report->layoutNames().contains(layoutName))
            return report.get();
    return nullptr;
}

std::vector<const Report *> ReportRegistry::reports() const
{
    std::vector<const Report *> all;
    for (const auto &report : m_reports)
        all.push_back(report.get());
    return all;
}

QStringList ReportRegistry::names() const
{
    QStringList all;
    for (const auto &report : m_reports)
        all << report->name();
    return all;
}

} // namespace zel::reports
