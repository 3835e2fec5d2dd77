#include "exchange/product_source.h"

#include "db/jet_reader.h"
#include "db/jet_snapshot.h"
#include "shell/database_connection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace zel::exchange {

namespace {

const QString kProducts = QStringLiteral("Products");
const QString kYear = QStringLiteral("Products Campaign Year");
const QString kNumber = QStringLiteral("Products Campaign Number");

} // namespace

ProductSource::ProductSource() = default;

ProductSource::~ProductSource()
{
    close();
}

bool ProductSource::fail(const QString &text)
{
    m_error = text;
    close();
    return false;
}

bool ProductSource::open(const QString &path)
{
    close();
    m_error.clear();
    return db::JetReader::jetVersionOf(path) > 0 ? openJet(path) : openSqlite(path);
}

void ProductSource::close()
{
    m_sqlite.reset();
    m_jet.reset();
    m_columns.clear();
}

bool ProductSource::openSqlite(const QString &path)
{
    m_sqlite = std::make_unique<DatabaseConnection>();
    if (!m_sqlite->openForReading(path))
        return fail(path + QStringLiteral(": ") + m_sqlite->errorString());
    if (!m_sqlite->hasTable(kProducts))
        return fail(path + QStringLiteral(" has no Products table."));
    const QSqlRecord record = m_sqlite->handle().record(kProducts);
    for (int i = 0; i < record.count(); ++i)
        m_columns << record.fieldName(i);
    return true;
}

// An Access file is read through a converted copy, made in a child process that is stopped when
// mdbtools loops on a damaged file.
bool ProductSource::openJet(const QString &path)
{
    m_jet = std::make_unique<db::JetSnapshot>();
    if (!m_jet->open(path))
        return fail(path + QStringLiteral(": ") + m_jet->errorString());
    const QString copy = m_jet->copyPath();
    if (openSqlite(copy))
        return true;
    m_error.replace(copy, path); // the message names her file, not the copy
    return false;
}

int ProductSource::columnIndex(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool ProductSource::hasCampaignColumns() const
{
    return columnIndex(kYear) >= 0 && columnIndex(kNumber) >= 0;
}

bool ProductSource::isProduct(const QVariantList &values) const
{
    if (!hasCampaignColumns())
        return true;
    // As "[Products Campaign Year] <> 0 And [Products Campaign Number] <> 0": Null is no product either.
    const QVariant year = values.value(columnIndex(kYear));
    const QVariant number = values.value(columnIndex(kNumber));
    return !year.isNull() && !number.isNull() && year.toLongLong() != 0 && number.toLongLong() != 0;
}

bool ProductSource::readRows(const std::function<bool(const QVariantList &)> &row)
{
    if (m_sqlite)
        return readSqliteRows(row);
    return fail(QStringLiteral("No product database is open."));
}

bool ProductSource::readSqliteRows(const std::function<bool(const QVariantList &)> &row)
{
    QSqlQuery query(m_sqlite->handle());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("Select * From Products")))
        return fail(m_sqlite->path() + QStringLiteral(": ") + query.lastError().text());
    const int width = int(m_columns.size());
    QVariantList values;
    while (query.next()) {
        values.clear();
        for (int i = 0; i < width; ++i)
            values << query.value(i);
        if (isProduct(values) && !row(values))
            return true;
    }
    if (query.lastError().isValid())
        return fail(m_sqlite->path() + QStringLiteral(": ") + query.lastError().text());
    return true;
}

} // namespace zel::exchange
