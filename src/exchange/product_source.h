#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>

namespace zel {

class DatabaseConnection;

namespace db {
class JetSnapshot;
}

namespace exchange {

// The Products table of a product database, read without ever writing to the file: a database
// file of this program's kind (SQLite) or an Access (Jet 3 / Jet 4) file. Every call that can fail
// returns false and sets errorString().
class ProductSource
{
public:
    ProductSource();
    ~ProductSource();
    ProductSource(const ProductSource &) = delete;
    ProductSource &operator=(const ProductSource &) = delete;

    bool open(const QString &path);
    void close();
    // The columns of its Products table, in table order.
    const QStringList &columns() const { return m_columns; }
    // Whether the table has this column (names compared without regard to case); -1 when not.
    int columnIndex(const QString &name) const;
    // Whether its rows say which campaign they belong to.
    bool hasCampaignColumns() const;
    // Calls `row` with each product's values in column order, leaving out the stock rows of year 0
    // or number 0; `row` returns false to stop. False when the rows cannot be read.
    bool readRows(const std::function<bool(const QVariantList &)> &row);
    const QString &errorString() const { return m_error; }

private:
    bool fail(const QString &text);
    bool openSqlite(const QString &path);
    bool openJet(const QString &path);
    bool readSqliteRows(const std::function<bool(const QVariantList &)> &row);
    bool isProduct(const QVariantList &values) const;

    std::unique_ptr<DatabaseConnection> m_sqlite;
    std::unique_ptr<db::JetSnapshot> m_jet; // an Access file's converted copy
    QStringList m_columns;
    QString m_error;
};

} // namespace exchange
} // namespace zel
