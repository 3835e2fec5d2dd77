#include "migration/balance_rows.h"

#include "core/prompter.h"
#include "db/schema.h"
#include "migration/balance_conversion.h"
#include "session/app_state.h"

namespace zel {

namespace {

const QString kProcedure = QStringLiteral("Gs_Upgrade_Db");

using Overrides = QList<QPair<QString, QString>>;

// The four columns that tie a computed row to its order.
Overrides orderKey()
{
    return {{QStringLiteral("Orders Customer Number"), QStringLiteral("A.[Orders Customer Number]")},
            {QStringLiteral("Orders Campaign Year"), QStringLiteral("A.[Orders Campaign Year]")},
            {QStringLiteral("Orders Campaign Number"), QStringLiteral("A.[Orders Campaign Number]")},
            {QStringLiteral("Orders Order Number"), QStringLiteral("A.[Orders Order Number]")},
            {QStringLiteral("Orders Include On Order"), QStringLiteral("-1")}};
}

} // namespace

BalanceRows::BalanceRows(AppState &state) : m_state(state) {}

QString BalanceRows::insertSelect(const Overrides &overrides, const QString &from)
{
    QStringList columns;
    QStringList values;
    for (const db::FieldDef &field : db::findTable(QStringLiteral("Orders"))->fields) {
        const QString name = field.fieldName();
        QString value = field.type == db::FieldType::DateTime ? QStringLiteral("NULL")
                      : field.isText()                        ? QStringLiteral("''")
                                                              : QStringLiteral("0");
        for (const auto &[column, expression] : overrides)
            if (column == name)
                value = expression;
        columns << db::bracket(name);
        values << value;
    }
    return QStringLiteral("Insert Into Orders (") + columns.join(QStringLiteral(", ")) + QStringLiteral(") Select ")
         + values.join(QStringLiteral(", ")) + QStringLiteral(" From ") + from;
}

bool BalanceRows::addBalanceRows()
{
    m_state.prompter.status(QStringLiteral("Adding Balance Detail "));
    Overrides rows = orderKey();
    rows << std::pair(QStringLiteral("Orders Sequence Number"), QStringLiteral("A.[Orders Sequence Number] + K.Step"))
         << std::pair(QStringLiteral("Orders Internal Flag"), QStringLiteral("K.Flag"))
         << std::pair(QStringLiteral("Orders Product"), QStringLiteral("K.Product"))
         << std::pair(QStringLiteral("Orders Shade"), QStringLiteral("'Campaign'"))
         << std::pair(QStringLiteral("Orders Size"), QStringLiteral("K.Size"));
    for (const char *copied : {"Orders Printed", "Orders Summary Printed", "Orders Payment Banked", "Orders Payment Check Number",
                               "Orders Payment Type", "Orders Payment Date", "Orders Delivered"})
        rows << std::pair(QString::fromLatin1(copied), QStringLiteral("A.[") + QString::fromLatin1(copied) + QLatin1Char(']'));
    // The last row of every order, read whole before the new rows go in.
    const QString from = QStringLiteral(
        "Orders A, (Select 1 As Step, 'BALANCE' As Flag, '**  Previous' As Product, 'Balances ' As Size Union All "
        "Select 2, 'BALANCENET', '**  Combined', 'Balance ') K Where A.[Orders Sequence Number] = (Select Max([Orders Sequence "
        "Number]) From Orders Where A.[Orders Customer Number] = [Orders Customer Number] And A.[Orders Campaign Year] = [Orders "
        "Campaign Year] And A.[Orders Campaign Number] = [Orders Campaign Number] And A.[Orders Order Number] = [Orders Order "
        "Number])");
    return m_state.data.exec(kProcedure, QStringLiteral("Delete From Orders Where [Orders Internal Flag] = 'BALANCE' "))
        && m_state.data.exec(kProcedure, QStringLiteral("Delete From Orders Where [Orders Internal Flag] = 'BALANCENET' "))
        && m_state.data.exec(kProcedure, insertSelect(rows, from));
}

bool BalanceRows::addPaymentRows()
{
    // Each payment goes on the first order of its campaign that has a total. A campaign paid more
    // than once gets one pair per payment (sequences 9900, 9901, ... and 9910, 9911, ...); only the
    // first carries the order total, so the running sums of the conversion still meet at 0.
    m_state.data.setSQL(QStringLiteral(
        "Select P.[Payments Amount], P.[Payments Type], P.[Payments Check Number], P.[Payments Date], P.[Payments Deposited], "
        "T.[Orders Customer Number], T.[Orders Campaign Year], T.[Orders Campaign Number], T.[Orders Order Number], "
        "T.[Orders Unit Total] From Payments P Join Orders T On T.[Orders Customer Number] = P.[Payments Customer Number] And "
        "T.[Orders Campaign Year] = P.[Payments Campaign Year] And T.[Orders Campaign Number] = P.[Payments Campaign Number] And "
        "T.[Orders Internal Flag] = 'TOTAL' And T.[Orders Order Number] = (Select Min([Orders Order Number]) From Orders Where "
        "[Orders Internal Flag] = 'TOTAL' And [Orders Customer Number] = T.[Orders Customer Number] And [Orders Campaign Year] = "
        "T.[Orders Campaign Year] And [Orders Campaign Number] = T.[Orders Campaign Number]) Order By 6, 7, 8, P.[Payments "
        "Sequence]"));
    RecordSet payments = m_state.data.GetRecordSet(kProcedure);
    std::vector<QVariantList> found;
    while (payments.next()) {
        QVariantList row;
        for (int i = 0; i < 10; ++i)
            row << payments.value(i);
        found.push_back(row);
    }
    payments = RecordSet();
    int slot = 0;
    for (size_t i = 0; i < found.size(); ++i) {
        const bool sameOrder = i > 0 && found[i].mid(5, 4) == found[i - 1].mid(5, 4);
        slot = sameOrder ? slot + 1 : 0;
        if (slot < 10 && !addPaymentPair(found[i], slot))
            return false;
    }
    Overrides zero = orderKey();
    zero << std::pair(QStringLiteral("Orders Sequence Number"), QStringLiteral("9900 + K.Step"))
         << std::pair(QStringLiteral("Orders Internal Flag"), QStringLiteral("K.Flag"))
         << std::pair(QStringLiteral("Orders Product"), QStringLiteral("K.Product"))
         << std::pair(QStringLiteral("Orders Unit Total"), QStringLiteral("K.Net * A.[Orders Unit Total]"))
         << std::pair(QStringLiteral("Orders Payment Grand Total"), QStringLiteral("(1 - K.Net) * A.[Orders Unit Total]"))
         << std::pair(QStringLiteral("Orders Delivered"), QStringLiteral("'N'"));
    const QString unpaid = QStringLiteral(
        "Orders A, (Select 0 As Step, 'PAYMENT' As Flag, '**  Payment' As Product, 0 As Net Union All Select 10, 'PAYMENTNET', "
        "'**  Total Amount Due', 1) K Where A.[Orders Internal Flag] = 'TOTAL' And (Select Count(*) From Orders Where "
        "A.[Orders Customer Number] = [Orders Customer Number] And A.[Orders Campaign Year] = [Orders Campaign Year] And "
        "A.[Orders Campaign Number] = [Orders Campaign Number] And A.[Orders Order Number] = [Orders Order Number] And "
        "[Orders Internal Flag] = 'PAYMENT') = 0");
    return m_state.data.exec(kProcedure, QStringLiteral("Update Orders Set [Orders Product] = '**  Grand Total' Where [Orders Internal "
                                                        "Flag] = 'TOTAL'"))
        && m_state.data.exec(kProcedure, insertSelect(zero, unpaid));
}

// payment: amount, type, check number, date, deposited, then the order's key and total.
bool BalanceRows::addPaymentPair(const QVariantList &payment, int slot)
{
    const double amount = payment.at(0).toDouble();
    const double total = payment.at(9).toDouble();
    const double net = total - amount;
    const QVariantList key = payment.mid(5, 4);
    const QString columns = QStringLiteral(
        "Insert Into Orders ([Orders Index], [Orders Customer Number], [Orders Campaign Year], [Orders Campaign Number], [Orders Order "
        "Number], [Orders Sequence Number], [Orders Page], [Orders Catalog Number], [Orders Product], [Orders Shade], [Orders Size], "
        "[Orders Notes], [Orders Quanity], [Orders Unit Price], [Orders Reg Price], [Orders Special Price], [Orders Unit Total], "
        "[Orders Internal Flag], [Orders Include On Order], [Orders Payment Amount], [Orders Payment Banked], [Orders Payment Type], "
        "[Orders Payment Check Number], [Orders Payment Date], [Orders Payment Grand Total], [Orders Delivered]) Values (0, ?, ?, ?, "
        "?, ?, '', '', ?, '', '', '', 0, 0, 0, 0, ?, ?, -1, ?, ?, ?, ?, ?, ?, 'N')");
    const QVariantList paid = key + QVariantList{9900 + slot, QStringLiteral("**  Payment"), -amount, QStringLiteral("PAYMENT"), amount,
                                                 payment.at(4).toString() == QLatin1String("Y") ? 1 : 0, payment.at(1), payment.at(2),
                                                 payment.at(3), slot == 0 ? total : 0.0};
    const QVariantList due = key + QVariantList{9910 + slot, net == 0 ? QStringLiteral("**  Paid In Full") : QStringLiteral("**  Total Amount Due"),
                                                net, QStringLiteral("PAYMENTNET"), 0, 0, QString(), QString(), QVariant(), 0};
    return m_state.data.exec(kProcedure, columns, paid) && m_state.data.exec(kProcedure, columns, due);
}

bool BalanceRows::removeComputedRows(int oldVersion)
{
    if (oldVersion < 2 && !addPaymentRows())
        return false;
    if (oldVersion >= 13)
        return true;
    return BalanceConversion(m_state).convertPaymentRows()
        && m_state.data.exec(kProcedure, QStringLiteral("DELETE FROM Orders Where [Orders Internal Flag] In ('BALANCE', 'BALANCENET', "
                                                        "'PAYMENT', 'PAYMENTNET') "));
}

} // namespace zel
