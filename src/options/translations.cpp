#include "options/translations.h"

#include "shell/data_access.h"
#include "shell/database_connection.h"
#include "shell/transaction.h"

namespace zel::translations {

namespace {

const QString kInsert = QStringLiteral(
    "Insert Into Translations ([Translations Language], [Translations Key], [Translations Description], "
    "[Translations Female], [Translations Male]) Values (?, ?, ?, ?, ?)");

bool insert(cDataAccess &data, const QString &language, int key, QStringView description, QStringView female,
            QStringView male)
{
    data.setSQL(kInsert, {language, key, description.toString(), female.toString(), male.toString()});
    return data.ExecSql(QStringLiteral("writeDefaultRows"));
}

} // namespace

bool writeDefaultRows(cDataAccess &data)
{
    for (const DefaultText &text : defaultTexts())
        if (!insert(data, QStringLiteral("Spanish"), text.key, text.english, text.spanish, u""))
            return false;
    for (const DefaultText &text : defaultTexts())
        if (!insert(data, QStringLiteral("French"), text.key, text.english, text.french, text.frenchMale))
            return false;
    for (const DefaultText &text : defaultTexts()) {
        if (text.key > 25)
            break;
        if (!insert(data, QStringLiteral("Custom"), text.key, text.english, text.key == 1 ? u"yyyy/mm/dd" : text.english, u""))
            return false;
    }
    return true;
}

Audience LoadCustomerLanguage(cDataAccess &data, int customer)
{
    data.setSQL(QStringLiteral("Select [Customers Language], [Customers Gender] From Customers  Where [Customers Number] = ?"),
                {customer});
    RecordSet rows = data.GetSnapShot(QStringLiteral("LoadCustomerLanguage"));
    Audience audience;
    if (rows.next()) {
        audience.language = rows.value(0).toString();
        audience.gender = rows.value(1).toString();
    }
    return audience;
}

Translator::Translator(cDataAccess &data, const Audience &audience) : m_audience(audience)
{
    if (audience.language == QLatin1String("English"))
        return;
    data.setSQL(QStringLiteral("Select [Translations Key], [Translations Female], [Translations Male] From Translations "
                               "Where [Translations Language] = ?"),
                {audience.language});
    RecordSet rows = data.GetSnapShot(QStringLiteral("Translator"));
    while (rows.next())
        m_texts.emplace(rows.value(0).toInt(), Texts{rows.value(1).toString(), rows.value(2).toString()});
}

QString Translator::text(int key, const QString &english) const
{
    if (m_audience.language == QLatin1String("English"))
        return english;
    const auto found = m_texts.find(key);
    if (found == m_texts.end())
        return english;
    if (m_audience.gender == QLatin1String("F") || found->second.male.isEmpty())
        return found->second.female;
    return found->second.male;
}

std::vector<TranslationRow> load(cDataAccess &data, const QString &language)
{
    data.setSQL(QStringLiteral("Select * From Translations  Where [Translations Language] = ? Order by [Translations Language], "
                               "[Translations Key]"),
                {language});
    RecordSet records = data.GetSnapShot(QStringLiteral("Zel_Options Translations"));
    std::vector<TranslationRow> rows;
    while (records.next())
        rows.push_back({records.value(QStringLiteral("Translations Key")).toInt(),
                        records.value(QStringLiteral("Translations Description")).toString(),
                        records.value(QStringLiteral("Translations Female")).toString(),
                        records.value(QStringLiteral("Translations Male")).toString()});
    return rows;
}

bool save(cDataAccess &data, const QString &language, const std::vector<TranslationRow> &rows)
{
    Transaction transaction(data.database().handle());
    for (const TranslationRow &row : rows) {
        data.setSQL(QStringLiteral("Update Translations Set [Translations Female] = ?, [Translations Male] = ? Where "
                                   "[Translations Language] = ? And [Translations Key] = ?"),
                    {row.female.left(255), row.male.left(255), language, row.key});
        if (!data.ExecSql(QStringLiteral("Zel_Options Translations")))
            return false;
    }
    return transaction.commit();
}

} // namespace zel::translations
