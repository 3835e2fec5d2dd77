#pragma once

#include <QSet>
#include <QVariantMap>

#include <optional>

namespace zel {

class AppState;

namespace exchange {

// Adds imported customers the way the customer screen adds a new one (the lowest free number,
// the new-customer values, a helper percentage of 0 for every earnings type), then fills them with
// the imported fields. Runs inside the caller's transaction.
class CustomerInserter
{
public:
    explicit CustomerInserter(AppState &state);

    // Adds one customer: `fields` maps Customers column names to values; texts are trimmed and cut
    // to the column's size. Returns its number, or nothing (after the user was told why).
    std::optional<int> insert(const QVariantMap &fields);
    // False, after saying so, when `count` more customers would not fit beside those on file.
    bool hasRoomFor(qsizetype count);

    // The values every customer of a text or Timesaver import starts with before its own fields.
    static QVariantMap importDefaults();

private:
    std::optional<int> nextNumber();

    AppState &m_state;
    QSet<int> m_used;
    int m_lowestFree = 1;
};

} // namespace exchange
} // namespace zel
