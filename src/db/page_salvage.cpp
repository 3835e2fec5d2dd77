#include "db/page_salvage.h"

#include <QtEndian>

#include <cstring>

namespace zel::db {

namespace {

constexpr int kMaxDepth = 24; // far deeper than any real tree; a loop in a damaged one stops here

quint32 be32(const char *at)
{
    return qFromBigEndian<quint32>(at);
}

quint16 be16(const char *at)
{
    return qFromBigEndian<quint16>(at);
}

// A variable-length integer of the file format at `offset`; false when it runs past `end`.
bool varint(const QByteArray &data, int &offset, int end, qint64 &value)
{
    quint64 result = 0;
    for (int i = 0; i < 9; ++i) {
        if (offset >= end || offset >= data.size())
            return false;
        const auto byte = quint8(data[offset++]);
        if (i == 8) {
            result = (result << 8) | byte;
            break;
        }
        result = (result << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            break;
    }
    value = qint64(result);
    return true;
}

qint64 signedBigEndian(const char *at, int bytes)
{
    qint64 value = (quint8(at[0]) & 0x80) ? -1 : 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(at[i]);
    return value;
}

} // namespace

bool PageSalvage::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    const QByteArray header = m_file.read(100);
    if (header.size() >= 100 && header.startsWith(QByteArrayLiteral("SQLite format 3"))) {
        const int size = be16(header.constData() + 16);
        const int candidate = size == 1 ? 65536 : size;
        // A damaged header may hold any number here; only a power of two from 512 is a page size.
        if (candidate >= 512 && candidate <= 65536 && (candidate & (candidate - 1)) == 0) {
            m_pageSize = candidate;
            m_usable = candidate - quint8(header[20]);
        }
    }
    m_pageCount = quint32((m_file.size() + m_pageSize - 1) / m_pageSize);
    if (m_pageCount == 0 || m_usable < 480) {
        m_error = QStringLiteral("The file holds no page of a database.");
        return false;
    }
    m_seen.assign(m_pageCount + 1, 0);
    markFreePages();
    readSchema();
    return true;
}

QByteArray PageSalvage::page(quint32 number)
{
    if (number == 0 || number > m_pageCount || !m_file.seek(qint64(number - 1) * m_pageSize))
        return {};
    QByteArray data = m_file.read(m_pageSize);
    // The last page of a file cut short is read as far as it goes; what is missing reads as zeros.
    if (!data.isEmpty() && data.size() < m_pageSize)
        data.append(QByteArray(m_pageSize - data.size(), '\0'));
    return data;
}

void PageSalvage::markFreePages()
{
    const QByteArray first = page(1);
    if (first.size() < 100)
        return;
    quint32 trunk = be32(first.constData() + 32);
    // Each trunk page lists free pages; the chain is followed no further than the file has pages.
    for (quint32 steps = 0; trunk != 0 && trunk <= m_pageCount && steps < m_pageCount && m_seen[trunk] == 0; ++steps) {
        m_seen[trunk] = 1;
        const QByteArray data = page(trunk);
        const quint32 count = be32(data.constData() + 4);
        for (quint32 i = 0; i < count && 8 + int(i) * 4 + 4 <= m_usable; ++i) {
            const quint32 leaf = be32(data.constData() + 8 + i * 4);
            if (leaf != 0 && leaf <= m_pageCount)
                m_seen[leaf] = 1;
        }
        trunk = be32(data.constData());
    }
}

QByteArray PageSalvage::payload(const QByteArray &data, int offset, qint64 length, int localSize)
{
    QByteArray out = data.mid(offset, localSize);
    if (out.size() != localSize)
        return {};
    if (length == localSize)
        return out;
    if (offset + localSize + 4 > m_usable)
        return {};
    quint32 next = be32(data.constData() + offset + localSize);
    // An overflow chain: each page names the next and carries the usable size less four bytes.
    for (quint32 steps = 0; out.size() < length; ++steps) {
        if (next == 0 || next > m_pageCount || steps > m_pageCount)
            return {};
        const QByteArray overflow = page(next);
        if (overflow.size() < m_usable)
            return {};
        m_seen[next] = 2;
        out.append(overflow.constData() + 4, int(qMin<qint64>(m_usable - 4, length - out.size())));
        next = be32(overflow.constData());
    }
    return out;
}

bool PageSalvage::record(const QByteArray &payload, std::vector<QVariant> &values)
{
    int at = 0;
    qint64 headerSize = 0;
    if (!varint(payload, at, int(payload.size()), headerSize) || headerSize < at || headerSize > payload.size())
        return false;
    std::vector<qint64> types;
    while (at < headerSize) {
        qint64 type = 0;
        if (!varint(payload, at, int(headerSize), type) || type == 10 || type == 11 || type < 0)
            return false;
        types.push_back(type);
    }
    qint64 body = headerSize;
    const char *bytes = payload.constData();
    for (const qint64 type : types) {
        static constexpr int kIntegerSizes[] = {0, 1, 2, 3, 4, 6, 8};
        const qint64 size = type >= 12 ? (type - 12) / 2 : type >= 1 && type <= 6 ? kIntegerSizes[type] : type == 7 ? 8 : 0;
        if (body + size > payload.size())
            return false;
        if (type == 0) {
            values.emplace_back();
        } else if (type <= 6) {
            values.emplace_back(signedBigEndian(bytes + body, int(size)));
        } else if (type == 7) {
            const quint64 raw = qFromBigEndian<quint64>(bytes + body);
            double real = 0;
            std::memcpy(&real, &raw, sizeof real);
            values.emplace_back(real);
        } else if (type == 8 || type == 9) {
            values.emplace_back(qint64(type - 8));
        } else if (type % 2 == 0) {
            values.emplace_back(payload.mid(int(body), int(size)));
        } else {
            values.emplace_back(QString::fromUtf8(bytes + body, qsizetype(size)));
        }
        body += size;
    }
    return true;
}

int PageSalvage::localSize(qint64 length, bool index) const
{
    // How much of a payload lies on the page itself, as the file format fixes it.
    const int maxLocal = index ? (m_usable - 12) * 64 / 255 - 23 : m_usable - 35;
    const int minLocal = (m_usable - 12) * 32 / 255 - 23;
    if (length <= maxLocal)
        return int(length);
    const int local = minLocal + int((length - minLocal) % (m_usable - 4));
    return local > maxLocal ? minLocal : local;
}

bool PageSalvage::cell(const QByteArray &data, int offset, Row &row)
{
    qint64 length = 0;
    int at = offset;
    if (!varint(data, at, m_usable, length) || !varint(data, at, m_usable, row.rowid) || length < 0
        || length > qint64(m_pageCount) * m_pageSize)
        return false;
    const int local = localSize(length, false);
    if (at + local > m_usable)
        return false;
    const QByteArray bytes = payload(data, at, length, local);
    row.values.clear();
    return bytes.size() == length && record(bytes, row.values);
}

bool PageSalvage::indexCell(const QByteArray &data, int offset, std::vector<QVariant> &key)
{
    qint64 length = 0;
    int at = offset;
    if (!varint(data, at, m_usable, length) || length < 0 || length > qint64(m_pageCount) * m_pageSize)
        return false;
    const int local = localSize(length, true);
    if (at + local > m_usable)
        return false;
    const QByteArray bytes = payload(data, at, length, local);
    key.clear();
    return bytes.size() == length && record(bytes, key);
}

bool PageSalvage::leafRows(quint32 number, const QByteArray &data, const Take &take, Walk &walk)
{
    const int header = headerOffset(number);
    const int cells = be16(data.constData() + header + 3);
    if (header + 8 + cells * 2 > m_usable)
        return false;
    ++walk.leafPages;
    Row row;
    for (int i = 0; i < cells; ++i) {
        const int offset = be16(data.constData() + header + 8 + i * 2);
        // A cell that does not read whole is lost alone; the page's other cells still count.
        if (offset < header + 8 + cells * 2 || offset >= m_usable || !cell(data, offset, row))
            continue;
        ++walk.rows;
        take(row);
    }
    return true;
}

void PageSalvage::walkTree(quint32 root, const Take &take, Walk &walk, int depth)
{
    if (root == 0 || root > m_pageCount || depth > kMaxDepth || m_seen[root] != 0) {
        ++walk.damagedPages;
        return;
    }
    m_seen[root] = 1;
    const QByteArray data = page(root);
    const int header = headerOffset(root);
    if (data.size() < m_usable) {
        ++walk.damagedPages;
        return;
    }
    const auto type = quint8(data[header]);
    if (type == kTableLeaf) {
        if (!leafRows(root, data, take, walk))
            ++walk.damagedPages;
        return;
    }
    if (type != kTableInterior) {
        ++walk.damagedPages;
        return;
    }
    const int cells = be16(data.constData() + header + 3);
    if (header + 12 + cells * 2 > m_usable) {
        ++walk.damagedPages;
        return;
    }
    for (int i = 0; i < cells; ++i) {
        const int offset = be16(data.constData() + header + 12 + i * 2);
        if (offset + 4 <= m_usable)
            walkTree(be32(data.constData() + offset), take, walk, depth + 1);
        else
            ++walk.damagedPages;
    }
    walkTree(be32(data.constData() + header + 8), take, walk, depth + 1);
}

void PageSalvage::readSchema()
{
    Walk walk;
    walkTree(1, [this](const Row &row) {
        // type, name, tbl_name, rootpage, sql
        if (row.values.size() != 5 || row.values[3].toLongLong() <= 0)
            return;
        const auto root = quint32(row.values[3].toLongLong());
        if (row.values[0].toString() == QLatin1String("table"))
            m_tables.push_back({row.values[1].toString(), row.values[4].toString(), root});
        else if (row.values[0].toString() == QLatin1String("index"))
            m_indexes.push_back({row.values[1].toString(), row.values[2].toString(), root});
    }, walk, 0);
    m_schemaDamaged = walk.damagedPages > 0 || walk.leafPages == 0;
}

PageSalvage::Walk PageSalvage::walk(const Table &table, const Take &take)
{
    Walk walk;
    walkTree(table.rootPage, take, walk, 0);
    return walk;
}

PageSalvage::Walk PageSalvage::looseRows(const Take &take)
{
    Walk walk;
    for (quint32 number = 1; number <= m_pageCount; ++number) {
        if (m_seen[number] != 0)
            continue;
        const QByteArray data = page(number);
        if (data.size() < m_usable || quint8(data[headerOffset(number)]) != kTableLeaf)
            continue;
        m_seen[number] = 1;
        leafRows(number, data, take, walk);
    }
    return walk;
}

void PageSalvage::walkIndexTree(quint32 root, const TakeKey &take, Walk &walk, int depth, std::vector<bool> &visited)
{
    if (root == 0 || root > m_pageCount || depth > kMaxDepth || visited[root]) {
        ++walk.damagedPages;
        return;
    }
    visited[root] = true;
    const QByteArray data = page(root);
    const int header = headerOffset(root);
    const auto type = data.size() < m_usable ? 0 : quint8(data[header]);
    if (type != kIndexLeaf && type != kIndexInterior) {
        ++walk.damagedPages;
        return;
    }
    const bool interior = type == kIndexInterior;
    const int headerSize = interior ? 12 : 8;
    const int cells = be16(data.constData() + header + 3);
    if (header + headerSize + cells * 2 > m_usable) {
        ++walk.damagedPages;
        return;
    }
    if (!interior)
        ++walk.leafPages;
    std::vector<QVariant> key;
    for (int i = 0; i < cells; ++i) {
        const int offset = be16(data.constData() + header + headerSize + i * 2);
        if (offset + (interior ? 4 : 0) >= m_usable)
            continue;
        if (interior)
            walkIndexTree(be32(data.constData() + offset), take, walk, depth + 1, visited);
        // An interior entry is an entry of the index too.
        if (indexCell(data, offset + (interior ? 4 : 0), key)) {
            ++walk.rows;
            take(key);
        }
    }
    if (interior)
        walkIndexTree(be32(data.constData() + header + 8), take, walk, depth + 1, visited);
}

PageSalvage::Walk PageSalvage::walkIndex(const Index &index, const TakeKey &take)
{
    Walk walk;
    std::vector<bool> visited(m_pageCount + 1, false);
    walkIndexTree(index.rootPage, take, walk, 0, visited);
    return walk;
}

} // namespace zel::db
