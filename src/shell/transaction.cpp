#include "shell/transaction.h"

namespace zel {

Transaction::Transaction(QSqlDatabase database) : m_database(std::move(database))
{
    m_active = m_database.isOpen() && m_database.transaction();
}

Transaction::~Transaction()
{
    if (m_active)
        m_database.rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_database.commit())
        return true;
    m_database.rollback();
    return false;
}

} // namespace zel
