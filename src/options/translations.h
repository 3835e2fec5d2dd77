#pragma once

#include <QString>
#include <QStringView>

#include <map>
#include <vector>

namespace zel {

class cDataAccess;

namespace translations {

// A text as the program carries it, with its default wording in the languages it ships.
struct DefaultText
{
    int key;
    QStringView english;
    QStringView spanish;
    QStringView french;
    QStringView frenchMale; // empty: the same as for women
};

const std::vector<DefaultText> &defaultTexts();

// Writes the default rows of a new database: Spanish and French for every key, and "Custom"
// for keys 1 to 25. Returns false when a row could not be written.
bool writeDefaultRows(cDataAccess &data);

// Who a text is for: the customer's language and gender.
struct Audience
{
    QString language = QStringLiteral("English");
    QString gender = QStringLiteral("F");
};

// The language and gender of a customer; English and "F" for a customer that is not found.
Audience LoadCustomerLanguage(cDataAccess &data, int customer);

// The texts of one audience, read once: English needs no rows; a woman gets the female text as
// stored (even empty), anyone else the male text unless it is empty; a key the language does not
// have falls back to the English wording.
class Translator
{
public:
    Translator(cDataAccess &data, const Audience &audience);
    QString text(int key, const QString &english) const;

private:
    struct Texts
    {
        QString female;
        QString male;
    };
    Audience m_audience;
    std::map<int, Texts> m_texts;
};

// One row of a language as the options screen edits it.
struct TranslationRow
{
    int key = 0;
    QString description;
    QString female;
    QString male;
};

std::vector<TranslationRow> load(cDataAccess &data, const QString &language);
// Stores the female and male texts of every row; one transaction.
bool save(cDataAccess &data, const QString &language, const std::vector<TranslationRow> &rows);

} // namespace translations
} // namespace zel
