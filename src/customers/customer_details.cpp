#include "customers/customer_details.h"

#include "db/record_map.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <QLocale>
#include <QSet>

namespace zel::customers {

namespace {

const QString kProcedure = QStringLiteral("CustomerDetails");

const RecordMap<StoredDate> &dateMap()
{
    static const RecordMap<StoredDate> map(QStringLiteral("Dates"), {
        field("Dates ID", &StoredDate::id),
        field("Dates Customer Number", &StoredDate::customer),
        field("Dates Date", &StoredDate::date),
        field("Dates Description", &StoredDate::description),
        field("Dates Notify Days", &StoredDate::notifyDays),
        field("Dates Auto Update Year", &StoredDate::autoUpdateYear),
    });
    return map;
}

} // namespace

QString CustomerNotes::caption() const
{
    if (!lastUpdated.isValid())
        return QStringLiteral(" Notes / Journal - No Notes On File");
    return QStringLiteral(" Notes / Journal - Last Updated ") + QLocale().toString(lastUpdated.date(), QLocale::ShortFormat);
}

std::vector<StoredDate> CustomerDetails::dates() const
{
    m_data.setSQL(QStringLiteral("Select * From Dates Where [Dates Customer Number] = ? Order By [Dates Date] "), {m_customer});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<StoredDate> out;
    while (rows.next())
        out.push_back(dateMap().read(rows));
    return out;
}

bool CustomerDetails::saveDates(AppState &state, const std::vector<StoredDate> &rows)
{
    Transaction transaction(state.database.handle());
    QSet<int> kept;
    for (const StoredDate &row : rows)
        if (row.id > 0)
            kept.insert(row.id);
    for (const StoredDate &stored : dates())
        if (!kept.contains(stored.id)
            && !m_data.exec(kProcedure, QStringLiteral("Delete From Dates Where [Dates ID] = ?"), {stored.id}))
            return false;
    static const QString update = dateMap().updateSql(QStringLiteral("Dates"), {QStringLiteral("Dates ID")});
    for (StoredDate row : rows) {
        row.customer = m_customer;
        if (row.id > 0) {
            if (!m_data.exec(kProcedure, update, dateMap().updateValues(row, {QStringLiteral("Dates ID")})))
                return false;
        } else if (!addEventDate(m_data, m_customer,
                                 {row.date.date(), row.description, row.notifyDays, row.autoUpdateYear})) {
            return false;
        }
    }
    return transaction.commit();
}

std::vector<HelperPercent> CustomerDetails::helperPercents() const
{
    m_data.setSQL(QStringLiteral("Select * From HelperPercents Where [HelperPercents Customer Number] = ? "
                                 "Order By [HelperPercents Earnings Type Code] "),
                  {m_customer});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<HelperPercent> out;
    while (rows.next())
        out.push_back({rows.value(QStringLiteral("HelperPercents Earnings Type Code")).toString(),
                       Currency::fromDouble(rows.value(QStringLiteral("HelperPercents Earnings Percent")).toDouble())});
    return out;
}

bool CustomerDetails::saveHelperPercents(const std::vector<HelperPercent> &rows)
{
    for (const HelperPercent &row : rows)
        if (!m_data.exec(kProcedure,
                         QStringLiteral("Update HelperPercents Set [HelperPercents Earnings Percent] = ? "
                                        "Where [HelperPercents Customer Number] = ? And [HelperPercents Earnings Type Code] = ?"),
                         {row.percent.toDouble(), m_customer, row.code}))
            return false;
    return true;
}

CustomerNotes CustomerDetails::notes() const
{
    m_data.setSQL(QStringLiteral("Select * From Notes  Where [Notes Customer Number] = ?"), {m_customer});
    RecordSet row = m_data.GetSnapShot(kProcedure);
    CustomerNotes notes;
    if (row.next()) {
        notes.text = row.value(QStringLiteral("Notes Detail")).toString();
        record::read(notes.lastUpdated, row.value(QStringLiteral("Notes Last Updated")));
        if (!notes.lastUpdated.isValid())
            notes.lastUpdated = QDateTime(QDate(1900, 1, 1), QTime(0, 0));
    }
    return notes;
}

CommentLines CustomerDetails::comments(const QString &type, Campaign campaign) const
{
    m_data.setSQL(QStringLiteral("Select [Comments Line0], [Comments Line1], [Comments Line2], [Comments Line3], [Comments Line4] "
                                 "From Comments Where [Comments Customer Number] = ? And [Comments Campaign Year] = ? "
                                 "And [Comments Campaign Number] = ? And [Comments Type] = ?"),
                  {m_customer, campaign.year, campaign.number, type});
    RecordSet row = m_data.GetSnapShot(kProcedure);
    CommentLines lines;
    if (row.next())
        for (int i = 0; i < 5; ++i)
            lines[size_t(i)] = row.value(i).toString();
    return lines;
}

std::vector<Campaign> CustomerDetails::commentCampaigns() const
{
    m_data.setSQL(QStringLiteral("Select [Comments Campaign Year], [Comments Campaign Number] From Comments "
                                 "Where [Comments Customer Number] = ? And [Comments Type] = 'Order' "
                                 "Order By [Comments Campaign Year] Desc, [Comments Campaign Number] Desc"),
                  {m_customer});
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    std::vector<Campaign> out;
    while (rows.next())
        out.push_back({rows.value(0).toInt(), rows.value(1).toInt()});
    return out;
}

} // namespace zel::customers
