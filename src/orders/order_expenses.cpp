#include "orders/order_expenses.h"

#include "core/text.h"
#include "shell/data_access.h"


namespace zel {

namespace {
const QString kProcedure = QStringLiteral("Ms_Update_Expenses");
}

QStringList OrderExpenses::categories()
{
    m_data.setSQL(QStringLiteral("Select Distinct [Expenses Category] From Expenses  Where [Expenses Category] <> ''  Order by "
                                 "[Expenses Category] "));
    RecordSet rows = m_data.GetSnapShot(kProcedure);
    QStringList names;
    while (rows.next())
        names << rows.value(0).toString();
    return names;
}

QString OrderExpenses::question(const QString &product, const QString &category, const Currency &amount)
{
    return QStringLiteral("Add '") + product + QStringLiteral("' to INTERNAL EXPENSES in Category '") + category
         + QStringLiteral("' with an amount of ") + amount.toCurrencyText();
}

bool OrderExpenses::add(const Campaign &campaign, const QString &product, const QString &category, const Currency &amount,
                        const QDateTime &when)
{
    const int counter = m_data.number(kProcedure,
                                      QStringLiteral("Select Max([Expenses Counter]) As Last_Used  From Expenses  Where "
                                                     "[Expenses Campaign Year] = ?  And [Expenses Campaign Number] = ?"),
                                      {campaign.year, campaign.number})
                      + 1;
    return m_data.exec(kProcedure,
                       QStringLiteral("Insert Into Expenses ([Expenses Campaign Year], [Expenses Campaign Number], [Expenses "
                                      "Counter], [Expenses Description], [Expenses Payee], [Expenses Category], [Expenses "
                                      "Amount], [Expenses Include Flag], [Expenses Date]) Values (?, ?, ?, ?, '', ?, ?, 0, ?)"),
                       {campaign.year, campaign.number, counter, product.left(50), category.left(50), amount.toDouble(),
                        toDbDateTime(when)});
}

} // namespace zel
