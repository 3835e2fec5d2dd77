#include "exchange/customer_copy_import.h"

#include "core/prompter.h"
#include "exchange/customer_inserter.h"
#include "exchange/import_file.h"
#include "exchange/timesaver_source.h"
#include "exchange/zel_customer_source.h"
#include "session/app_state.h"
#include "shell/transaction.h"


namespace zel::exchange {

namespace {

constexpr int kAskedCustomers = 5;

} // namespace

CustomerCopyImport::CustomerCopyImport(AppState &state) : m_state(state) {}

std::optional<QString> CustomerCopyImport::chosenFile(CopySource source, QString path)
{
    FileChoice choice;
    if (source == CopySource::ZelDatabase) {
        choice.title = QStringLiteral("Select ZEL Database");
        choice.filter = QStringLiteral("ZEL Database (*.zeldb)|*.zeldb|All Files (*.*)|*.*");
    } else {
        choice.title = QStringLiteral("Select Timesaver Database");
        choice.filter = QStringLiteral("Timesaver Database (*.mdb)|*.mdb|All Files (*.*)|*.*");
        choice.defaultName = QStringLiteral("ams.mdb");
    }
    return importFile(m_state.prompter, path, choice);
}

std::optional<int> CustomerCopyImport::run(CopySource source, QString path)
{
    m_state.prompter.information(QStringLiteral(
        "A message box will appear for the FIRST 5 customers.  A YES response will import the customer, a NO response will "
        "skip the customer, and a CANCEL will stop the import process but will leave customers imported to this point."));
    const std::optional<QString> file = chosenFile(source, path);
    if (!file)
        return std::nullopt;
    QString error;
    std::optional<SourceCustomers> customers;
    if (source == CopySource::ZelDatabase) {
        customers = zelDatabaseCustomers(*file, &error);
    } else if (const auto tables = readTimesaverTables(*file, &error)) {
        customers = timesaverCustomers(*tables);
    }
    if (!customers) {
        m_state.prompter.information(*file + QStringLiteral(" could not be read: ") + error, kMessageTitle, Icon::Exclamation);
        return std::nullopt;
    }
    return import(*customers);
}

std::optional<int> CustomerCopyImport::import(const SourceCustomers &customers)
{
    Transaction transaction(m_state.database.handle());
    CustomerInserter inserter(m_state);
    if (!inserter.hasRoomFor(qsizetype(customers.size())))
        return std::nullopt;
    int imported = 0;
    for (std::size_t i = 0; i < customers.size(); ++i) {
        if (i < kAskedCustomers) {
            const Answer answer = m_state.prompter.ask({QStringLiteral("Import: ") + customers[i].name,
                                                        QStringLiteral("Customer Import Verification"), Buttons::YesNoCancel,
                                                        Answer::Yes, Icon::Question});
            if (answer == Answer::Cancel)
                break;
            if (answer != Answer::Yes)
                continue;
        }
        m_state.prompter.status(QStringLiteral("Importing %1").arg(i + 1));
        if (!inserter.insert(customers[i].fields)) {
            m_state.prompter.status(QString());
            m_state.prompter.information(QStringLiteral("No data has been imported!"));
            return std::nullopt;
        }
        ++imported;
    }
    m_state.prompter.status(QString());
    if (!transaction.commit()) {
        m_state.prompter.information(QStringLiteral("No data has been imported!"));
        return std::nullopt;
    }
    m_state.prompter.information(lines({QStringLiteral("Import Complete!"), QStringLiteral("Imported %1").arg(imported)}));
    return imported;
}

} // namespace zel::exchange
