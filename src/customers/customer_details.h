#pragma once

#include "core/campaign.h"
#include "core/currency.h"
#include "customers/customer_records.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace zel {

class AppState;
class cDataAccess;

namespace customers {

// A stored event date of the dates grid.
struct StoredDate
{
    int id = 0; // 0: not stored yet
    int customer = 0;
    QDateTime date;
    QString description;
    int notifyDays = 0;
    QString autoUpdateYear = QStringLiteral("Y");
};

struct HelperPercent
{
    QString code;
    Currency percent;
};

struct CustomerNotes
{
    QString text;
    QDateTime lastUpdated; // invalid when there are no notes on file
    // " Notes / Journal - Last Updated ..." or " Notes / Journal - No Notes On File".
    QString caption() const;
};

// The records attached to one customer that the customer screen shows beside the main form.
class CustomerDetails
{
public:
    CustomerDetails(cDataAccess &data, int customer) : m_data(data), m_customer(customer) {}

    // By date.
    std::vector<StoredDate> dates() const;
    // Stores the grid's rows: new ones get the next Dates ID, changed ones are updated and
    // rows no longer in the grid are removed.
    bool saveDates(AppState &state, const std::vector<StoredDate> &rows);

    std::vector<HelperPercent> helperPercents() const;
    bool saveHelperPercents(const std::vector<HelperPercent> &rows);

    CustomerNotes notes() const;

    // The five lines of the customer's comments of a type in a campaign (standing comments:
    // type "OrderPerm" in campaign 0/0); blank lines when there are none.
    CommentLines comments(const QString &type, Campaign campaign) const;
    // The campaigns in which the customer has order comments, latest first.
    std::vector<Campaign> commentCampaigns() const;

private:
    cDataAccess &m_data;
    int m_customer;
};

} // namespace customers
} // namespace zel
