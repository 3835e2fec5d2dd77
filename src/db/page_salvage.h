#pragma once

#include <QFile>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

namespace zel::db {

// Reads what can still be read of a damaged SQLite file straight from its pages, without SQLite:
// every table leaf page is decoded on its own, so a bad sector, a page of zeros or a file cut short
// loses the rows of those pages and no others. The tables are found from the schema (page 1) when it
// can be read; leaf pages no table reaches any more are given as loose rows, to be placed by their
// columns. Free pages (which still hold deleted rows) are left out. Nothing here writes, and the
// file is read a page at a time, so its size does not matter.
class PageSalvage
{
public:
    struct Row
    {
        qint64 rowid = 0;
        std::vector<QVariant> values; // as stored: null, integer, real, text or blob
    };

    struct Table
    {
        QString name;
        QString sql; // its CREATE TABLE statement
        quint32 rootPage = 0;
    };

    // An index of the schema: its entries name rows even where the rows' own pages are lost.
    struct Index
    {
        QString name;
        QString table;
        quint32 rootPage = 0;
    };

    struct Walk
    {
        int leafPages = 0;    // leaf pages read
        int damagedPages = 0; // pages of the tree that could not be read (their rows are lost)
        qint64 rows = 0;
    };

    using Take = std::function<void(const Row &row)>;
    using TakeKey = std::function<void(const std::vector<QVariant> &key)>;

    // Opens the file and reads its schema; false (with error()) when it holds no page at all.
    bool open(const QString &path);
    QString error() const { return m_error; }

    int pageSize() const { return m_pageSize; }
    quint32 pageCount() const { return m_pageCount; }
    // The tables of the schema as far as it could be read (without SQLite's own).
    const std::vector<Table> &tables() const { return m_tables; }
    const std::vector<Index> &indexes() const { return m_indexes; }
    // True when the schema itself could not be read whole.
    bool schemaDamaged() const { return m_schemaDamaged; }

    // Gives every row of the leaf pages the table's tree still reaches.
    Walk walk(const Table &table, const Take &take);
    // Gives the rows of table leaf pages that no walk has reached; call after walking every table.
    Walk looseRows(const Take &take);
    // Gives every entry (the indexed values, then the rowid) of the index pages still reachable.
    Walk walkIndex(const Index &index, const TakeKey &take);

private:
    enum PageType : quint8 { kIndexInterior = 0x02, kTableInterior = 0x05, kIndexLeaf = 0x0a, kTableLeaf = 0x0d };

    QByteArray page(quint32 number);
    // The page's type byte, where a b-tree page keeps it (after the file header on page 1).
    static int headerOffset(quint32 number) { return number == 1 ? 100 : 0; }
    bool leafRows(quint32 number, const QByteArray &data, const Take &take, Walk &walk);
    bool cell(const QByteArray &data, int offset, Row &row);
    bool indexCell(const QByteArray &data, int offset, std::vector<QVariant> &key);
    int localSize(qint64 length, bool index) const;
    void walkIndexTree(quint32 root, const TakeKey &take, Walk &walk, int depth, std::vector<bool> &visited);
    QByteArray payload(const QByteArray &data, int offset, qint64 length, int localSize);
    static bool record(const QByteArray &payload, std::vector<QVariant> &values);
    void walkTree(quint32 root, const Take &take, Walk &walk, int depth);
    void markFreePages();
    void readSchema();

    QFile m_file;
    QString m_error;
    int m_pageSize = 4096;
    int m_usable = 4096;
    quint32 m_pageCount = 0;
    std::vector<quint8> m_seen; // per page: 0 unseen, 1 reached by a tree or free, 2 overflow
    std::vector<Table> m_tables;
    std::vector<Index> m_indexes;
    bool m_schemaDamaged = false;
};

} // namespace zel::db
