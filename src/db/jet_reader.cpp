#include "db/jet_reader.h"

#include "shell/access_header.h"

#include <QDateTime>
#include <QFile>

#include <cmath>

#include <mdbtools.h>

namespace zel::db {

namespace {

// Room for one value as mdbtools hands it over; memo texts longer than this are cut, as its own
// export tool does.
constexpr size_t kBindSize = 200000;

JetType typeOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL: return JetType::Boolean;
    case MDB_BYTE: return JetType::Byte;
    case MDB_INT: return JetType::Integer;
    case MDB_LONGINT: return JetType::Long;
    case MDB_MONEY: return JetType::Currency;
    case MDB_FLOAT: return JetType::Single;
    case MDB_DOUBLE: return JetType::Double;
    case MDB_DATETIME: return JetType::DateTime;
    case MDB_TEXT: return JetType::Text;
    case MDB_MEMO: return JetType::Memo;
    case MDB_BINARY:
    case MDB_OLE: return JetType::Binary;
    case MDB_NUMERIC: return JetType::Numeric;
    default: return JetType::Other;
    }
}

// Jet keeps a date as days since 30 December 1899, the time of day as the fraction (taken without
// its sign for days before then). Read from the stored number: the library's own text cannot
// show years before 1900 or after 9998.
QVariant dateOf(MdbHandle *mdb, MdbColumn *column)
{
    if (column->cur_value_len < 8 || column->cur_value_start < 0 || column->cur_value_start > int(sizeof mdb->pg_buf) - 8)
        return {};
    const double stored = mdb_get_double(mdb->pg_buf, column->cur_value_start);
    if (!std::isfinite(stored) || std::abs(stored) > 3.0e6)
        return {};
    const double days = std::trunc(stored);
    qint64 seconds = qint64(std::llround(std::abs(stored - days) * 86400.0));
    QDate date = QDate(1899, 12, 30).addDays(qint64(days));
    if (seconds >= 86400) {
        date = date.addDays(1);
        seconds -= 86400;
    }
    return QDateTime(date, QTime(0, 0).addSecs(int(seconds))).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QVariant valueOf(MdbHandle *mdb, MdbColumn *column, const char *text, int length)
{
    const JetType type = typeOf(column->col_type);
    if (type == JetType::DateTime)
        return length == 0 ? QVariant() : dateOf(mdb, column);
    if (type == JetType::Boolean)
        return qint64(text[0] == '1' ? -1 : 0);
    if (type == JetType::Binary && column->col_type == MDB_OLE) {
        if (length == 0 && column->cur_value_len == 0)
            return {};
        size_t size = 0;
        void *bytes = mdb_ole_read_full(mdb, column, &size);
        const QByteArray data(static_cast<const char *>(bytes), qsizetype(size));
        free(bytes);
        return data;
    }
    if (length == 0)
        return (type == JetType::Text || type == JetType::Memo) && column->cur_value_len != 0 ? QVariant(QString()) : QVariant();
    const QString value = QString::fromUtf8(text, length);
    switch (type) {
    case JetType::Byte:
    case JetType::Integer:
    case JetType::Long: return value.toLongLong();
    case JetType::Currency:
    case JetType::Single:
    case JetType::Double:
    case JetType::Numeric: return QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    case JetType::Binary: return QByteArray(text, length);
    default: return value;
    }
}

// A damaged table definition can leave a table without its map of pages, and libmdb would still
// walk that map to find the rows.
bool hasPageMap(const MdbTableDef *table)
{
    return table->usage_map && table->map_sz >= 1;
}

// The list of tables is itself a table, read from page 2 whenever libmdb looks a table up; its map
// is checked the same way before libmdb reads it.
bool catalogueHasPageMap(MdbHandle *mdb)
{
    MdbCatalogEntry catalogue{};
    catalogue.mdb = mdb;
    catalogue.object_type = MDB_TABLE;
    catalogue.table_pg = 2;
    MdbTableDef *table = mdb_read_table(&catalogue);
    const bool mapped = table && hasPageMap(table);
    if (table)
        mdb_free_tabledef(table); // no columns read, so none bound
    return mapped;
}

} // namespace

struct JetReader::Handle
{
    MdbHandle *mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

// Frees a table definition however the reading ends.
struct TableGuard
{
    MdbTableDef *table;
    std::vector<std::unique_ptr<char[]>> buffers;
    ~TableGuard()
    {
        if (!table)
            return;
        // Bound columns point into `buffers`; unbind before both go.
        for (unsigned i = 0; i < table->num_cols; ++i)
            mdb_bind_column(table, int(i + 1), nullptr, nullptr);
        mdb_free_tabledef(table);
    }
};

JetReader::JetReader() = default;

JetReader::~JetReader() = default;

int JetReader::jetVersionOf(const QString &path)
{
    switch (accessHeaderOf(path)) {
    case AccessHeader::Jet3: return 3;
    case AccessHeader::Jet4: return 4;
    default: return 0;
    }
}

bool JetReader::open(const QString &path)
{
    close();
    if (jetVersionOf(path) == 0) {
        m_error = path + QLatin1Char(' ') + accessHeaderProblem(accessHeaderOf(path)) + QLatin1Char('.');
        return false;
    }
    MdbHandle *mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb) {
        m_error = path + QStringLiteral(" could not be read as an Access database.");
        return false;
    }
    m_handle = std::make_unique<Handle>();
    m_handle->mdb = mdb;
    mdb_set_bind_size(mdb, kBindSize);
    mdb_set_date_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb);
    if (!catalogueHasPageMap(mdb) || !mdb_read_catalog(mdb, MDB_TABLE)) {
        close();
        m_error = path + QStringLiteral(": the list of tables could not be read.");
        return false;
    }
    m_error.clear();
    return true;
}

void JetReader::close()
{
    m_handle.reset();
}

bool JetReader::isOpen() const
{
    return m_handle != nullptr;
}

int JetReader::jetVersion() const
{
    if (!m_handle)
        return 0;
    return m_handle->mdb->f->jet_version == MDB_VER_JET3 ? 3 : 4;
}

QStringList JetReader::tableNames() const
{
    QStringList names;
    if (!m_handle)
        return names;
    MdbHandle *mdb = m_handle->mdb;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

std::vector<JetColumn> JetReader::columns(const QString &table)
{
    std::vector<JetColumn> out;
    if (!m_handle)
        return out;
    QByteArray name = table.toUtf8();
    TableGuard guard{mdb_read_table_by_name(m_handle->mdb, name.data(), MDB_TABLE), {}};
    if (!guard.table || !mdb_read_columns(guard.table)) {
        m_error = QStringLiteral("The table ") + table + QStringLiteral(" could not be read.");
        return out;
    }
    const bool jet3 = m_handle->mdb->f->jet_version == MDB_VER_JET3;
    for (unsigned i = 0; i < guard.table->num_cols; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(guard.table->columns, i));
        JetColumn c{QString::fromUtf8(column->name), typeOf(column->col_type), 0};
        // Jet 4 keeps text sizes in bytes of two-byte characters.
        if (c.type == JetType::Text)
            c.size = jet3 ? column->col_size : column->col_size / 2;
        out.push_back(c);
    }
    return out;
}

bool JetReader::readRows(const QString &table, const std::function<bool(const QVariantList &)> &row)
{
    if (!m_handle)
        return false;
    MdbHandle *mdb = m_handle->mdb;
    QByteArray name = table.toUtf8();
    TableGuard guard{mdb_read_table_by_name(mdb, name.data(), MDB_TABLE), {}};
    if (!guard.table || !mdb_read_columns(guard.table) || !hasPageMap(guard.table)) {
        m_error = QStringLiteral("The table ") + table + QStringLiteral(" could not be read.");
        return false;
    }
    mdb_rewind_table(guard.table);
    m_declaredRows = guard.table->num_rows;
    const unsigned count = guard.table->num_cols;
    std::vector<int> lengths(count, 0);
    for (unsigned i = 0; i < count; ++i) {
        guard.buffers.push_back(std::make_unique<char[]>(kBindSize));
        mdb_bind_column(guard.table, int(i + 1), guard.buffers.back().get(), &lengths[i]);
    }
    while (mdb_fetch_row(guard.table)) {
        QVariantList values;
        values.reserve(qsizetype(count));
        for (unsigned i = 0; i < count; ++i) {
            auto *column = static_cast<MdbColumn *>(g_ptr_array_index(guard.table->columns, i));
            values << valueOf(mdb, column, guard.buffers[i].get(), lengths[i]);
        }
        if (!row(values))
            break;
    }
    return true;
}

} // namespace zel::db
