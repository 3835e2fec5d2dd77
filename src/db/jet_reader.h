#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>
#include <vector>

namespace zel::db {

// The kinds of column an Access (Jet 3 / Jet 4) table has, as far as this program keeps them apart.
enum class JetType { Boolean, Byte, Integer, Long, Currency, Single, Double, DateTime, Text, Memo, Binary, Numeric, Other };

struct JetColumn
{
    QString name;
    JetType type = JetType::Other;
    int size = 0; // characters, for Text
};

// Reads an Access database file (Jet 3 or Jet 4) through mdbtools without ever writing to it.
// Rows arrive as values: whole numbers as qint64, Yes/No as -1/0, money and other numbers as
// double, dates as "YYYY-MM-DD HH:MM:SS" text, texts as text, binary data as bytes, Null as an
// invalid QVariant. Every call that can fail returns false and sets errorString().
class JetReader
{
public:
    JetReader();
    ~JetReader();
    JetReader(const JetReader &) = delete;
    JetReader &operator=(const JetReader &) = delete;

    // 3 or 4 for a file whose header says it is a Jet 3 or Jet 4 database, 0 otherwise.
    // Only the first page is read.
    static int jetVersionOf(const QString &path);

    bool open(const QString &path);
    void close();
    bool isOpen() const;
    int jetVersion() const;
    const QString &errorString() const { return m_error; }

    // The user's tables, in the file's catalogue order.
    QStringList tableNames() const;
    std::vector<JetColumn> columns(const QString &table);
    // Calls `row` with each row's values in column order; `row` returns false to stop early.
    // Returns false when the table is missing or cannot be read.
    bool readRows(const QString &table, const std::function<bool(const QVariantList &)> &row);
    // The number of rows the definition of the table readRows last read declares: more than it
    // gave when pages of the file are damaged.
    qint64 declaredRows() const { return m_declaredRows; }

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    QString m_error;
    qint64 m_declaredRows = 0;
};

} // namespace zel::db
