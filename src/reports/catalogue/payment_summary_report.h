#pragma once

#include "reports/catalogue/catalogue_report.h"

namespace zel::reports::catalogue {

// Tab 12: payments received. rptPaymentDates holds the payments of the date range (deposited,
// not deposited or both); rptPaymentSummary2Temp every customer's balance as of the campaign and
// rptPaymentSummary2 the customers whose balance fits the balance choice. rptPaymentSummaryTemp
// and rptPaymentSummary join the payments of those customers to their names, phones, addresses
// and helpers, grouped by payment type, customer or helper; the balances layout lists the
// customers of rptPaymentSummary2 with their payments in the range.
class PaymentSummaryReport : public CatalogueReport
{
public:
    static inline const QString kGroup = QStringLiteral("group");         // type, customer, helper or balances
    static inline const QString kDeposited = QStringLiteral("deposited"); // both, deposited or not-deposited
    static inline const QString kBalance = QStringLiteral("balance");     // all, zero, non-zero, debit or credit
    static inline const QString kFrom = QStringLiteral("fromDate");       // first payment date; missing: none
    static inline const QString kTo = QStringLiteral("toDate");           // last payment date; missing: none
    static inline const QString kPhones = QStringLiteral("phones");
    static inline const QString kAddress = QStringLiteral("address");
    static inline const QString kHelper = QStringLiteral("helperColumn");

    QString name() const override { return QStringLiteral("payment-summary"); }
    QString title() const override { return QStringLiteral("Payment summary"); }
    QString description() const override { return QStringLiteral("payments by type, customer or helper, and customer balances"); }
    QStringList layoutNames() const override
    {
        return {QStringLiteral("rptPaymentSummaryByType"), QStringLiteral("rptPaymentSummaryByCustomer"),
                QStringLiteral("rptPaymentSummaryByHelper"), QStringLiteral("rptPaymentSummaryBalances")};
    }
    std::vector<ReportChoice> choices() const override;

    std::optional<QString> prepare(AppState &state, const ReportParameters &parameters) const override;
    ReportRequest request(const AppState &state, const ReportParameters &parameters) const override;
    Document layOut(AppState &state, const ReportRequest &request) const override;

private:
    bool fillBalances(AppState &state, const ReportParameters &parameters) const;
    Document layOutPayments(AppState &state, const ReportRequest &request) const;
    Document layOutBalances(AppState &state, const ReportRequest &request) const;
};

} // namespace zel::reports::catalogue
