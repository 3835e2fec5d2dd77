#include "exchange/customer_export.h"

#include "core/prompter.h"
#include "session/app_state.h"
#include "shell/settings_keys.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zel::exchange {

namespace {

const QString kFullColumns = QStringLiteral(
    "Select Trim(IfNull([Customers First Name], '')) || ' ' || Trim(IfNull([Customers Last Name], '')) as FullName, "
    "IfNull([Customers House Number], '') || ' ' || IfNull([Customers Address], '') as FullAddress, "
    "IfNull([Customers City], '') || ' ' || IfNull([Customers State], '') || ' ' || IfNull([Customers Zip Code], '') as FullCSZ, "
    "IfNull([Customers Phone 1], '') || ' ' || IfNull([Customers Phone 2], '') || ' ' || IfNull([Customers Phone 3], '') "
    "as FullPhone");

QString filterOf(ExportSelection selection)
{
    switch (selection) {
    case ExportSelection::Active: return QStringLiteral(" Where [Customers Status] = 'Active' ");
    case ExportSelection::Closed: return QStringLiteral(" Where [Customers Status] = 'Closed' ");
    case ExportSelection::All: break;
    }
    return QStringLiteral(" Where ([Customers Status] = 'Active' or [Customers Status] = 'Closed') ");
}

QString sortOf(ExportSort sort)
{
    return sort == ExportSort::ZipCode
             ? QStringLiteral(" Order By [Customers Zip Code], [Customers Last Name], [Customers First Name] ")
             : QStringLiteral(" Order By [Customers Last Name], [Customers First Name] ");
}

// Whole numbers without a decimal point; money and rates as few decimals as they need.
QString valueText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (std::abs(number) < 1e15 && number == std::floor(number))
            return QString::number(static_cast<qint64>(number));
        return QString::number(number, 'g', 15);
    }
    return value.toString();
}

} // namespace

CustomerExport::CustomerExport(AppState &state) : m_state(state) {}

QString CustomerExport::sqlOf(const ExportChoices &choices)
{
    const QString filter = filterOf(choices.selection.value_or(ExportSelection::All));
    const QString sort = sortOf(choices.sort.value_or(ExportSort::Name));
    switch (choices.content.value_or(ExportContent::NamesAddresses)) {
    case ExportContent::NamesAddresses: return kFullColumns + QStringLiteral(" From Customers ") + filter + sort;
    case ExportContent::AllCustomerData: return kFullColumns + QStringLiteral(", * From Customers ") + filter + sort;
    case ExportContent::AllOrderData:
        return QStringLiteral("Select * From Orders ORDER BY [Orders Customer Number], [Orders Campaign Year], "
                              "[Orders Campaign Number], [Orders Order Number], [Orders Sequence Number] ");
    case ExportContent::EmailAddresses: break;
    }
    return QStringLiteral("Select [Customers Email] From Customers  ") + filter
         + QStringLiteral(" And Trim([Customers Email]) <> '' ") + sort;
}

QString CustomerExport::blanked(const QString &value)
{
    QString text = value;
    text.replace(QLatin1Char('"'), QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char(' ')).remove(QChar(u'\0'));
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    bool number = false;
    text.toDouble(&number);
    const QString start = text.trimmed().isEmpty() ? text : text.left(text.size() - text.trimmed().size() + 1);
    if (!text.isEmpty() && !number && std::any_of(start.begin(), start.end(), [](QChar c) { return formulaStarts.contains(c); }))
        text.prepend(QLatin1Char('\''));
    return text;
}

QString CustomerExport::quoted(const QString &value)
{
    return QLatin1Char('"') + blanked(value) + QLatin1Char('"');
}

QString CustomerExport::lineOf(const QStringList &values, bool emails)
{
    // A line break in an address would split the list: an address never has one, so it goes.
    if (emails) {
        QString address = values.value(0);
        address.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return blanked(address.trimmed()) + QLatin1Char(';');
    }
    QStringList written;
    written.reserve(values.size());
    for (const QString &value : values)
        written << quoted(value);
    return written.join(QLatin1Char(','));
}

std::optional<int> CustomerExport::write(cDataAccess &data, const ExportChoices &choices, const QString &path, QString *error)
{
    data.setSQL(sqlOf(choices));
    RecordSet rows = data.GetSnapShot(QStringLiteral("CustomerExport"));
    if (!rows.isValid()) {
        *error = QStringLiteral("the records could not be read");
        return std::nullopt;
    }
    const bool emails = choices.content == ExportContent::EmailAddresses;
    const QStringList columns = rows.columnNames();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    // Windows text lines, as the label programs and spreadsheets it is meant for read them.
    if (choices.header)
        file.write((lineOf(columns, emails) + QStringLiteral("\r\n")).toUtf8());
    int count = 0;
    QStringList values;
    while (rows.next()) {
        values.clear();
        for (int i = 0; i < columns.size(); ++i)
            values << valueText(rows.value(i));
        file.write((lineOf(values, emails) + QStringLiteral("\r\n")).toUtf8());
        ++count;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return std::nullopt;
    }
    return count;
}

bool CustomerExport::choicesComplete(const ExportChoices &choices)
{
    const char *missing = !choices.sort        ? "Please select Export Sort Option"
                        : !choices.selection   ? "Please select Export Selection Option"
                        : !choices.content     ? "Invalid Data Selection"
                                               : nullptr;
    if (missing)
        m_state.prompter.information(QString::fromLatin1(missing));
    return !missing;
}

std::optional<QString> CustomerExport::chosenFile(QString path, bool replace)
{
    if (path.isEmpty()) {
        FileChoice choice;
        choice.mode = FileChoice::Mode::Save;
        choice.title = QStringLiteral("Export Name and Address Information");
        choice.filter = QStringLiteral("ZEL Database (*.TXT)|*.TXT|All Files (*.*)|*.*");
        choice.startFolder = m_state.settings.read(settings::LastExportPath);
        choice.defaultName = QStringLiteral("ZEL.TXT");
        choice.defaultExtension = QStringLiteral("TXT");
        path = m_state.prompter.chooseFile(choice);
        if (path.isEmpty())
            return std::nullopt;
    }
    if (QFileInfo::exists(path) && !replace && !m_state.prompter.askYesNo(lines({QStringLiteral("File Already Exists."), QString(),
                                                                       QStringLiteral("Replace?")})))
        return std::nullopt;
    return path;
}

std::optional<int> CustomerExport::run(const ExportChoices &choices, QString path)
{
    if (!choicesComplete(choices))
        return std::nullopt;
    const std::optional<QString> file = chosenFile(path, choices.replace);
    if (!file)
        return std::nullopt;
    QString error;
    const std::optional<int> count = write(m_state.data, choices, *file, &error);
    if (!count) {
        m_state.prompter.information(QStringLiteral("The file %1 could not be written: %2").arg(*file, error), kMessageTitle,
                                     Icon::Exclamation);
        return std::nullopt;
    }
    m_state.settings.write(settings::LastExportPath, QFileInfo(*file).absolutePath());
    m_state.prompter.information(QStringLiteral("Successfully Exported %1.").arg(*count));
    return count;
}

} // namespace zel::exchange
