#include "options/ui/earnings_model.h"

#include <algorithm>

namespace zel {

namespace {

constexpr int kFixedColumns = 3;

// Which step a column shows, and whether it is the level (else the percent).
std::pair<int, bool> stepOf(int column)
{
    const int offset = column - kFixedColumns;
    return {offset / 2, offset % 2 == 0};
}

} // namespace

EarningsModel::EarningsModel(std::function<void(const QString &)> tell, QObject *parent)
    : QAbstractTableModel(parent), m_tell(std::move(tell))
{
}

void EarningsModel::setRows(std::vector<EarningsRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_modified = false;
    endResetModel();
}

int EarningsModel::addRow()
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.emplace_back();
    endInsertRows();
    m_modified = true;
    return row;
}

bool EarningsModel::removeRow(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return false;
    if (const QString message = earnings::checkDelete(m_rows[row].typeCode); !message.isEmpty()) {
        m_tell(message);
        return false;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    m_modified = true;
    return true;
}

QString EarningsModel::checkRow(int row) const
{
    return earnings::checkRow(m_rows.at(row));
}

int EarningsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EarningsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kFixedColumns + 2 * EarningsRow::kSteps;
}

QVariant EarningsModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole && index.column() >= kFixedColumns)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const EarningsRow &row = m_rows.at(index.row());
    switch (index.column()) {
    case 0: return row.typeCode;
    case 1: return row.includeInSalesTotal;
    case 2: return row.description;
    default: break;
    }
    const auto [step, isLevel] = stepOf(index.column());
    const Currency value = isLevel ? row.levels[step] : row.percents[step];
    return role == Qt::EditRole ? value.toPlainText() : value.format(u"#,##0.00");
}

QVariant EarningsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case 0: return QStringLiteral("Type Code");
    case 1: return QStringLiteral("Include In Sales");
    case 2: return QStringLiteral("Description");
    default: break;
    }
    const auto [step, isLevel] = stepOf(section);
    return (isLevel ? QStringLiteral("Level %1") : QStringLiteral("Percent %1")).arg(step + 1);
}

Qt::ItemFlags EarningsModel::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool EarningsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    EarningsRow &row = m_rows.at(index.row());
    const QString text = value.toString().trimmed();
    QString message;
    switch (index.column()) {
    case 0:
        message = earnings::checkTypeCode(text.toUpper());
        if (message.isEmpty())
            row.typeCode = text.toUpper();
        break;
    case 1:
        if (text.toUpper() != QLatin1String("Y") && text.toUpper() != QLatin1String("N"))
            message = QStringLiteral("Include In Sales Total must be Y or N.");
        else
            row.includeInSalesTotal = text.toUpper();
        break;
    case 2:
        message = earnings::checkDescription(text);
        if (message.isEmpty())
            row.description = text.left(30);
        break;
    default: {
        const auto [step, isLevel] = stepOf(index.column());
        message = isLevel ? earnings::checkLevel(text) : earnings::checkPercent(text);
        if (message.isEmpty())
            (isLevel ? row.levels : row.percents)[step] = *Currency::fromString(text);
    }
    }
    if (!message.isEmpty()) {
        m_tell(message);
        return false;
    }
    m_modified = true;
    emit dataChanged(index, index);
    return true;
}

void EarningsModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const EarningsRow &a, const EarningsRow &b) {
        const auto key = [&](const EarningsRow &r) -> QVariant {
            switch (column) {
            case 0: return r.typeCode;
            case 1: return r.includeInSalesTotal;
            case 2: return r.description.toUpper();
            default: {
                const auto [step, isLevel] = stepOf(column);
                return QVariant::fromValue((isLevel ? r.levels : r.percents)[step].raw());
            }
            }
        };
        const bool less = QVariant::compare(key(a), key(b)) == QPartialOrdering::Less;
        const bool greater = QVariant::compare(key(a), key(b)) == QPartialOrdering::Greater;
        return order == Qt::AscendingOrder ? less : greater;
    });
    endResetModel();
}

} // namespace zel
