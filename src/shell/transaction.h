#pragma once

#include <QSqlDatabase>

namespace zel {

// One user operation's writes: begun on construction, rolled back on destruction unless committed.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase database);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    // Returns false when the commit failed; the changes are then rolled back.
    bool commit();

private:
    QSqlDatabase m_database;
    bool m_active = false;
};

} // namespace zel
