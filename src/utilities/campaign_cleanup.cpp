#include "utilities/campaign_cleanup.h"

#include "core/prompter.h"
#include "customers/customer_records.h"
#include "payments/payment_sums.h"
#include "session/app_state.h"
#include "shell/captions.h"
#include "shell/transaction.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace zel::utilities {

namespace {

const QString kProcedure = QStringLiteral("CampaignCleanup");

QString campaignWord()
{
    return Gs_Caption_Replace(QStringLiteral("####"));
}

// The tables a customer's campaign is kept in, with their column prefix.
const char *const kCampaignTables[] = {"Orders", "Payments", "Comments"};

} // namespace

std::vector<int> CampaignCleanup::years()
{
    m_state.data.setSQL(QStringLiteral("Select [Orders Campaign Year] From Orders Union Select [Products Campaign Year] From "
                                       "Products Order By 1 Desc"));
    std::vector<int> years;
    for (RecordSet rows = m_state.data.GetSnapShot(kProcedure); rows.next();)
        if (const int year = rows.value(0).toInt(); year > 0)
            years.push_back(year);
    return years;
}

bool CampaignCleanup::backUpFirst(const std::function<bool()> &backup)
{
    if (backup())
        return true;
    return m_state.prompter.askYesNo(
        QStringLiteral("The backup has been cancelled, do you wish to continue with the DELETE function?."));
}

bool CampaignCleanup::deleteCampaignRows(int customer, int year, std::optional<int> campaign, OrderDeletion &counts)
{
    int *const counted[] = {&counts.orders, &counts.payments, &counts.comments};
    for (int i = 0; i < 3; ++i) {
        const QString table = QString::fromLatin1(kCampaignTables[i]);
        QString sql = QStringLiteral("Delete From %1  Where [%1 Customer Number] = ? And   [%1 Campaign Year] = ?").arg(table);
        QVariantList values{customer, year};
        if (campaign) {
            sql += QStringLiteral(" And   [%1 Campaign Number] = ?").arg(table);
            values << *campaign;
        }
        if (!m_state.data.exec(kProcedure, sql, values))
            return false;
        *counted[i] += m_state.data.RecordsAffected();
    }
    return true;
}

std::optional<OrderDeletion> CampaignCleanup::deleteOrders(std::optional<int> year, std::optional<int> campaign)
{
    Prompter &prompter = m_state.prompter;
    if (!year) {
        prompter.information(QStringLiteral("Please select year to delete"));
        return std::nullopt;
    }
    if (!campaign) {
        prompter.information(QStringLiteral("Please select ") + campaignWord() + QStringLiteral("(s) to delete"));
        return std::nullopt;
    }
    const bool wholeYear = *campaign == kAll;
    if (!prompter.askYesNo(lines({QStringLiteral("Delete all Orders / Payments / Order Comments for "),
                                  QStringLiteral("Year: ") + QString::number(*year),
                                  campaignWord() + (wholeYear ? QStringLiteral(": All") : QStringLiteral(": ") + QString::number(*campaign)),
                                  QStringLiteral("Warning:"), QStringLiteral("Deleting order information will affect reporting."),
                                  QStringLiteral("Be sure to create a backup or print final reports before deleting order information."),
                                  QStringLiteral("Orders that do not balance (Order Total Does Not Equal Payment Total) may not be "
                                                 "deleted if it will affect current campaigns."),
                                  QStringLiteral("Continue?")})))
        return std::nullopt;

    cDataAccess &data = m_state.data;
    QString select = QStringLiteral("Select Distinct [Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number] "
                                    "From Orders Where [Orders Campaign Year] = ?");
    QVariantList values{*year};
    if (!wholeYear) {
        select += QStringLiteral(" And [Orders Campaign Number] = ?");
        values << *campaign;
    }
    data.setSQL(select, values);
    std::vector<std::pair<int, int>> found; // customer, campaign
    for (RecordSet rows = data.GetSnapShot(kProcedure); rows.next();)
        found.emplace_back(rows.value(0).toInt(), rows.value(2).toInt());

    prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    PaymentSums sums(data);
    OrderDeletion counts;
    // Campaign 31 (or one past the year's last) stands for the end of a year.
    const int yearEnd = std::max(31, m_state.options.LastCampaignNumberOfYear + 1);
    std::set<int> seen;
    bool done = true;
    for (const auto &[customer, number] : found) {
        if (wholeYear) {
            if (!seen.insert(customer).second)
                continue;
            m_state.currentCustomer = customer;
            if (sums.balance(customer, *year, yearEnd).isZero() && sums.balance(customer, *year - 1, yearEnd).isZero())
                done = deleteCampaignRows(customer, *year, std::nullopt, counts);
        } else if ((sums.CampaignOrdersTotal(customer, *year, number) + sums.CampaignPaymentsTotal(customer, *year, number)).isZero()) {
            done = deleteCampaignRows(customer, *year, number, counts);
        } else {
            ++counts.notDeleted;
        }
        if (!done)
            break;
    }
    done = done && transaction.commit();
    prompter.hourglass(false);
    if (!done)
        return std::nullopt;
    reportOrders(counts, *year);
    return counts;
}

void CampaignCleanup::reportOrders(const OrderDeletion &counts, int year)
{
    Prompter &prompter = m_state.prompter;
    prompter.information(lines({QStringLiteral("Orders Deleted: ") + QString::number(counts.orders),
                                QStringLiteral("Payments Deleted: ") + QString::number(counts.payments),
                                QStringLiteral("Comments Deleted: ") + QString::number(counts.comments)}));
    if (counts.notDeleted == 0)
        return;
    prompter.information(lines(
        {QString::number(counts.notDeleted)
             + QStringLiteral(" individual Orders NOT deleted due to individual order total not matching payment total."),
         QStringLiteral("Deleting these orders will cause the running customer balance to be affected."),
         QStringLiteral("To find these customers, set the Campaign Year to ") + QString::number(year)
             + QStringLiteral(" & Campaign Number to 30 from Main Menu/Options/Campaign."),
         QStringLiteral("Using Customer search, Tab 5, 'Has Order in Selected Campaign', Select C30 & 'Has Balance Prior To "
                        "Selected Campaign'."),
         QStringLiteral("On the Customer Update screen, click the 'Previous Balance' Button on Tab1 in order/balance area to "
                        "identify the original campaign with the balance.")}));
}

std::optional<int> CampaignCleanup::deleteCustomers(const QString &status)
{
    if (!m_state.prompter.askYesNo(lines({QStringLiteral("Delete all customers with status of ") + status + QLatin1Char('.'),
                                          QStringLiteral("All Orders-Payments/Comments/Notes/Dates will also be deleted."),
                                          QStringLiteral("Continue?")})))
        return std::nullopt;
    // Everything attached to a customer, then the customer, as deleting one customer does.
    m_state.prompter.hourglass(true);
    Transaction transaction(m_state.database.handle());
    bool done = true;
    int customers = 0;
    for (const customers::CustomerTable &attached : customers::customerTables()) {
        done = m_state.data.exec(kProcedure,
                                 QStringLiteral("Delete From %1 Where [%2] In (Select [Customers Number] From Customers Where "
                                                "[Customers Status] = ?)")
                                     .arg(QLatin1String(attached.table), QLatin1String(attached.column)),
                                 {status});
        if (!done)
            break;
        customers = m_state.data.RecordsAffected();
    }
    done = done && transaction.commit();
    m_state.prompter.hourglass(false);
    if (!done)
        return std::nullopt;
    m_state.prompter.information(QStringLiteral("Deleted ") + QString::number(customers) + QStringLiteral(" Customers."));
    return customers;
}

std::optional<int> CampaignCleanup::deleteProducts(std::optional<int> year, std::optional<int> number)
{
    Prompter &prompter = m_state.prompter;
    if (!year) {
        prompter.information(QStringLiteral("Please select ") + campaignWord() + QStringLiteral(" year."));
        return std::nullopt;
    }
    if (!number) {
        prompter.information(QStringLiteral("Please select ") + campaignWord() + QStringLiteral(" number or 'All'."));
        return std::nullopt;
    }
    const QString yearText = *year == 0 ? QStringLiteral("Base Line") : QString::number(*year);
    const QString numberText = *number == kAll ? QStringLiteral("All") : QString::number(*number);
    if (!prompter.askYesNo(lines({QStringLiteral("Delete selected products on the PRODUCTS file."), QStringLiteral(" Year: ") + yearText,
                                  QStringLiteral(" Number: ") + numberText, QStringLiteral("Continue?")})))
        return std::nullopt;
    if (!m_state.data.exec(kProcedure,
                           QStringLiteral("Delete From Products Where [Products Campaign Year] = ? And (? = 0 Or "
                                          "[Products Campaign Number] = ?)"),
                           {*year, *number, *number}))
        return std::nullopt;
    const int count = m_state.data.RecordsAffected();
    prompter.information(QStringLiteral("Deleted ") + QString::number(count) + QStringLiteral(" Products."));
    return count;
}

std::optional<int> CampaignCleanup::deleteInventory()
{
    if (!m_state.prompter.askYesNo(lines({QStringLiteral("Delete ALL Inventory."), QStringLiteral("Continue?")})))
        return std::nullopt;
    if (!m_state.data.exec(kProcedure, QStringLiteral("Delete From Inventory ")))
        return std::nullopt;
    const int count = m_state.data.RecordsAffected();
    m_state.prompter.information(QStringLiteral("Deleted ") + QString::number(count) + QStringLiteral(" Products."));
    return count;
}

} // namespace zel::utilities
