#include "exchange/text_customer_import.h"

#include "core/prompter.h"
#include "exchange/customer_inserter.h"
#include "exchange/delimited_line.h"
#include "exchange/house_number.h"
#include "exchange/import_file.h"
#include "session/app_state.h"
#include "shell/transaction.h"

#include <QFile>
#include <QFileInfo>

namespace zel::exchange {

namespace {

constexpr int kShownLines = 5;
const QString kVerificationTitle = QStringLiteral("Customer Import Verification");

QString field(const QStringList &fields, int number)
{
    return fields.value(number - 1).trimmed();
}

} // namespace

TextCustomerImport::TextCustomerImport(AppState &state) : m_state(state) {}

int TextCustomerImport::fieldCount(TextLayout layout)
{
    return layout == TextLayout::Csv ? 10 : 6;
}

QVariantMap TextCustomerImport::customerFields(TextLayout layout, const QStringList &fields)
{
    QVariantMap values = CustomerInserter::importDefaults();
    const bool csv = layout == TextLayout::Csv;
    const StreetAddress address = splitHouseNumber(field(fields, csv ? 3 : 2));
    values[QStringLiteral("Customers First Name")] = field(fields, 1);
    values[QStringLiteral("Customers House Number")] = address.houseNumber;
    values[QStringLiteral("Customers Address")] = address.street;
    values[QStringLiteral("Customers City")] = field(fields, 4);
    values[QStringLiteral("Customers State")] = field(fields, 5);
    values[QStringLiteral("Customers Zip Code")] = field(fields, 6);
    if (csv) {
        values[QStringLiteral("Customers Last Name")] = field(fields, 2);
        values[QStringLiteral("Customers Phone 1")] = field(fields, 7);
        values[QStringLiteral("Customers Phone 2")] = field(fields, 8);
        values[QStringLiteral("Customers Phone 3")] = field(fields, 9);
        values[QStringLiteral("Customers Email")] = field(fields, 10);
    }
    return values;
}

QString TextCustomerImport::verificationText(TextLayout layout, const QStringList &fields)
{
    if (layout == TextLayout::Csv)
        return lines({QStringLiteral("Name:") + field(fields, 1) + QLatin1Char(' ') + field(fields, 2),
                      QStringLiteral("Address:") + QStringList{field(fields, 3), field(fields, 4), field(fields, 5), field(fields, 6)}
                                                       .join(QLatin1Char(' ')),
                      QStringLiteral("Phones: ") + QStringList{field(fields, 7), field(fields, 8), field(fields, 9)}
                                                       .join(QLatin1Char(' ')),
                      QStringLiteral("Email:") + field(fields, 10)});
    return lines({QStringLiteral("Name:") + field(fields, 1), QStringLiteral("Address 1:") + field(fields, 2),
                  QStringLiteral("Address 2:") + field(fields, 3) + QStringLiteral(" (Add2 Not Imported)"),
                  QStringLiteral("City:") + field(fields, 4), QStringLiteral("State: ") + field(fields, 5),
                  QStringLiteral("Postal Code:") + field(fields, 6)});
}

namespace {

// What was found on a refused line, so the representative knows what to mend in the file.
QString foundOnLine(const QString &line, const QString &delimiter, const QString &qualifier)
{
    if (line.trimmed().isEmpty())
        return QStringLiteral("Found a blank line.");
    const qsizetype found = splitDelimitedLine(line, delimiter, qualifier).size();
    QString text = QStringLiteral("Found %1 %2.").arg(found).arg(found == 1 ? QStringLiteral("entry") : QStringLiteral("entries"));
    if (qualifierLeftOpen(line, qualifier))
        text += QStringLiteral(" A ( %1 ) is opened and never closed, so the delimiters after it were read as text.").arg(qualifier);
    return text;
}

} // namespace

QString TextCustomerImport::wrongLineText(TextLayout layout, int record, const QString &line, const QString &delimiter,
                                          const QString &qualifier)
{
    const bool csv = layout == TextLayout::Csv;
    return lines({QStringLiteral("Error Importing CSV at Record %1").arg(record), QStringLiteral("Data=") + line,
                  QStringLiteral("There should be exactly %1 entries separated by a ( %2 ) delimiter.")
                      .arg(fieldCount(layout))
                      .arg(delimiter),
                  foundOnLine(line, delimiter, qualifier),
                  csv ? QStringLiteral("Format=First Name, Last Name, Address, City, State, Zip Code, Phone 1, Phone 2, Phone 3, "
                                       "Email Address")
                      : QStringLiteral("Format=Name, Address 1, Address 2, City, State, Zip Code"),
                  QStringLiteral("No data has been imported!")});
}

std::optional<QString> TextCustomerImport::chosenFile(QString path)
{
    FileChoice choice;
    choice.title = QStringLiteral("Import Customer Information");
    choice.filter = QStringLiteral("CSV Files (*.*)|*.*|All Files (*.*)|*.*");
    return importFile(m_state.prompter, path, choice);
}

std::optional<int> TextCustomerImport::run(TextImportRequest request)
{
    Prompter &prompter = m_state.prompter;
    prompter.information(QStringLiteral("A verification will be performed before the actual import.  The first five customers "
                                        "data will be shown for verification that the CSV file is in the correct format."));
    if (request.delimiter.isEmpty()) {
        prompter.information(QStringLiteral("Enter a delimiter such as a comma."));
        return std::nullopt;
    }
    if (request.qualifier.isEmpty()) {
        prompter.information(QStringLiteral("Enter a qualifer such as double quotes."));
        return std::nullopt;
    }
    const std::optional<QString> path = chosenFile(request.path);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompter.information(*path + QStringLiteral(" could not be read: ") + file.errorString());
        return std::nullopt;
    }
    m_text = decodeText(file.readAll());
    prompter.status(QStringLiteral("Reading %1 as %2").arg(QFileInfo(*path).fileName(), m_text.encodingName()));
    const QStringList lines = textLines(m_text.text);
    if (!verify(request, lines))
        return std::nullopt;
    if (!prompter.askYesNo(QStringLiteral("Import Verification Complete. Do you wish to import?"), kVerificationTitle)) {
        prompter.information(QStringLiteral("Import Cancelled, No data has been imported!"));
        return std::nullopt;
    }
    prompter.hourglass(true);
    const std::optional<int> imported = import(request, lines);
    prompter.hourglass(false);
    prompter.status(QString());
    if (imported)
        prompter.information(QStringLiteral("Imported %1 customers!").arg(*imported));
    return imported;
}

bool TextCustomerImport::verify(const TextImportRequest &request, const QStringList &lines)
{
    // Every line is checked, so that a bad line near the end still stops the run before writing.
    for (int i = 0; i < lines.size(); ++i) {
        m_state.prompter.status(QStringLiteral("Verifing %1").arg(i + 1));
        const QStringList fields = splitDelimitedLine(lines[i], request.delimiter, request.qualifier);
        if (fields.size() != fieldCount(request.layout)) {
            m_state.prompter.status(QString());
            m_state.prompter.information(wrongLineText(request.layout, i + 1, lines[i], request.delimiter, request.qualifier), kMessageTitle,
                                         Icon::Exclamation);
            return false;
        }
        if (i < kShownLines)
            m_state.prompter.information(verificationText(request.layout, fields), kVerificationTitle);
    }
    return true;
}

std::optional<int> TextCustomerImport::import(const TextImportRequest &request, const QStringList &lines)
{
    Transaction transaction(m_state.database.handle());
    CustomerInserter inserter(m_state);
    if (!inserter.hasRoomFor(lines.size()))
        return std::nullopt;
    const bool logging = m_state.data.sqlLogging();
    // Thousands of identical inserts would bury the SQL log.
    m_state.data.setSqlLogging(false);
    int imported = 0;
    for (const QString &line : lines) {
        if (imported % 100 == 0)
            m_state.prompter.status(QStringLiteral("Importing %1").arg(imported + 1));
        const QStringList fields = splitDelimitedLine(line, request.delimiter, request.qualifier);
        if (!inserter.insert(customerFields(request.layout, fields)))
            break;
        ++imported;
    }
    m_state.data.setSqlLogging(logging);
    if (imported != lines.size() || !transaction.commit()) {
        m_state.prompter.information(QStringLiteral("No data has been imported!"));
        return std::nullopt;
    }
    return imported;
}

} // namespace zel::exchange
