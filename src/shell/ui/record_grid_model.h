#pragma once

#include "shell/ui/grid_column.h"

#include <QAbstractTableModel>

#include <algorithm>
#include <numeric>
#include <vector>

namespace zel {

// A table model over a vector of records described by its columns: display, money formatting,
// editing with each column's check, and sorting are done here once for every grid. A refused value
// is told through `tell` and leaves the record as it was. A row may be pending: added for data entry
// and not stored yet; its row heading shows "*".
template <class Record>
class RecordGridModel : public QAbstractTableModel
{
public:
    using Column = GridColumn<Record>;

    RecordGridModel(std::vector<Column> columns, std::function<void(const QString &)> tell, QObject *parent = nullptr)
        : QAbstractTableModel(parent), m_columns(std::move(columns)), m_tell(std::move(tell))
    {
    }

    void setRows(std::vector<Record> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        m_pending.assign(m_rows.size(), false);
        m_modified = false;
        endResetModel();
    }
    const std::vector<Record> &rows() const { return m_rows; }
    const Record &record(int row) const { return m_rows.at(row); }
    bool isPending(int row) const { return m_pending.at(row); }
    const Column &column(int column) const { return m_columns.at(column); }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Appends a record (pending: not stored yet); returns its row.
    int appendRow(Record record, bool pending = false)
    {
        const int row = int(m_rows.size());
        beginInsertRows({}, row, row);
        m_rows.push_back(std::move(record));
        m_pending.push_back(pending);
        endInsertRows();
        return row;
    }
    void removeRowAt(int row)
    {
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        m_pending.erase(m_pending.begin() + row);
        endRemoveRows();
    }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const Column &c = m_columns.at(index.column());
        if (role == grid::kChoicesRole)
            return c.choices;
        return grid::display(c.kind, c.get(m_rows.at(index.row())), role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == grid::kWidthRole && orientation == Qt::Horizontal)
            return m_columns.at(section).width;
        if (role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        if (orientation == Qt::Vertical)
            return m_pending.at(section) ? QVariant(QStringLiteral("*")) : QVariant(section + 1);
        return m_columns.at(section).header;
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (!index.isValid() || !m_columns.at(index.column()).set)
            return flags;
        return flags | (m_columns.at(index.column()).kind == GridKind::Flag ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
    }

    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (!index.isValid() || (role != Qt::EditRole && role != Qt::CheckStateRole))
            return false;
        const Column &c = m_columns.at(index.column());
        if (!c.set)
            return false;
        // A cell left as it was (focus moving away from an open cell) is no change to the record.
        if (role == Qt::EditRole && value.toString() == data(index, Qt::EditRole).toString())
            return true;
        Record edited = m_rows.at(index.row());
        if (const QString message = c.set(edited, typedValue(c, value, role)); !message.isEmpty()) {
            tell(message);
            return false;
        }
        return commit(index.row(), std::move(edited), index.column());
    }

    void sort(int column, Qt::SortOrder order) override
    {
        const Column &c = m_columns.at(column);
        std::vector<size_t> sequence(m_rows.size());
        std::iota(sequence.begin(), sequence.end(), 0);
        std::stable_sort(sequence.begin(), sequence.end(), [&](size_t a, size_t b) {
            const QVariant left = c.get(m_rows[a]);
            const QVariant right = c.get(m_rows[b]);
            return order == Qt::AscendingOrder ? grid::less(c.kind, left, right) : grid::less(c.kind, right, left);
        });
        beginResetModel();
        std::vector<Record> rows;
        std::vector<bool> pending;
        rows.reserve(m_rows.size());
        for (const size_t from : sequence) {
            rows.push_back(std::move(m_rows[from]));
            pending.push_back(m_pending[from]);
        }
        m_rows = std::move(rows);
        m_pending = std::move(pending);
        endResetModel();
    }

protected:
    // Takes an edited record that passed its column's check; the default keeps it and marks the
    // grid modified. Returns false to refuse it (after telling why).
    virtual bool commit(int row, Record edited, int column)
    {
        Q_UNUSED(column)
        replaceRow(row, std::move(edited), false);
        m_modified = true;
        return true;
    }
    void replaceRow(int row, Record record, bool pending)
    {
        const bool wasPending = m_pending.at(row);
        m_rows.at(row) = std::move(record);
        m_pending.at(row) = pending;
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        if (wasPending != pending)
            emit headerDataChanged(Qt::Vertical, row, row);
    }
    void tell(const QString &message) const { m_tell(message); }

private:
    static QVariant typedValue(const Column &c, const QVariant &value, int role)
    {
        if (c.kind == GridKind::Flag)
            return role == Qt::CheckStateRole ? value.toInt() == Qt::Checked : value.toBool();
        return c.trimmed ? value.toString().trimmed() : value.toString();
    }

    std::vector<Column> m_columns;
    std::function<void(const QString &)> m_tell;
    std::vector<Record> m_rows;
    std::vector<bool> m_pending;
    bool m_modified = false;
};

} // namespace zel
