#pragma once

#include "reports/report.h"
#include "test_support.h"

namespace zel::test {

// A small shop for the business reports: four customers (3 is the helper of 1 and 4), orders in
// campaigns 2007/29, 2008/1 and 2008/5 with a return, a back order, discounts, a charge and taxes,
// and three payments.
class CatalogueShop : public OpenDatabaseTest
{
protected:
    void SetUp() override;

    // Prepares `report` for campaign 2008/5 with `choices`; the message, or "" when the tables are ready.
    QString prepare(const reports::Report &report, const QVariantMap &choices = {}, Campaign campaign = {2008, 5});
    // One column of an rpt table, sorted, as text ("5.2" for 5.20).
    QStringList column(const QString &sql) const { return app.column(sql); }
};

} // namespace zel::test
