#pragma once

#include "exchange/source_customer.h"

#include <optional>

namespace zel {

class AppState;

namespace exchange {

// The other customer lists a representative can bring in.
enum class CopySource { ZelDatabase, Timesaver };

// Imports the customers of another database: each of the first five is offered (Yes imports,
// No skips, Cancel stops and keeps what was imported), the rest are imported without asking.
// Everything is written in one transaction, so an error leaves the database as it was.
class CustomerCopyImport
{
public:
    explicit CustomerCopyImport(AppState &state);

    // The number imported, or nothing when the run ended without a file or failed (the user was
    // told why). `path` empty: the user chooses the file.
    std::optional<int> run(CopySource source, QString path);
    // Adds the customers, asking about the first five.
    std::optional<int> import(const SourceCustomers &customers);

private:
    std::optional<QString> chosenFile(CopySource source, QString path);

    AppState &m_state;
};

} // namespace exchange
} // namespace zel
