#pragma once

#include "options/earnings_schedule.h"

#include <QAbstractTableModel>

#include <functional>

namespace zel {

// The earnings schedules as an editable grid: code, include flag, description, then fifteen
// (level, percent) pairs. A value that breaks a rule is refused with its message.
class EarningsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit EarningsModel(std::function<void(const QString &)> tell, QObject *parent = nullptr);

    void setRows(std::vector<EarningsRow> rows);
    const std::vector<EarningsRow> &rows() const { return m_rows; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Appends a row with the new-row values; returns its index.
    int addRow();
    // Removes a row unless its code is protected (the message is shown).
    bool removeRow(int row);
    // The row's own check (first level, rising levels); empty when fine.
    QString checkRow(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    void sort(int column, Qt::SortOrder order) override;

private:
    std::vector<EarningsRow> m_rows;
    std::function<void(const QString &)> m_tell;
    bool m_modified = false;
};

} // namespace zel
