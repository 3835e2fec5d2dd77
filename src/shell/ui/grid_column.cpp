#include "shell/ui/grid_column.h"

namespace zel::grid {

namespace {
const QString kMoneyPattern = QStringLiteral("#,##0.00");
}

QVariant display(GridKind kind, const QVariant &value, int role)
{
    switch (kind) {
    case GridKind::Flag:
        return role == Qt::CheckStateRole ? QVariant(value.toBool() ? Qt::Checked : Qt::Unchecked) : QVariant();
    case GridKind::Money: {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            break;
        const Currency amount = value.value<Currency>();
        return role == Qt::EditRole ? amount.toPlainText() : amount.format(kMoneyPattern);
    }
    case GridKind::Date:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return value.toDate().toString(QStringLiteral("M/d/yyyy"));
        break;
    case GridKind::WholeNumber:
        // Edited as text: a typist's wrong entry gets the column's message instead of a spin box ignoring it.
        if (role == Qt::EditRole)
            return value.toString();
        if (role == Qt::DisplayRole)
            return value;
        break;
    default:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return value;
    }
    if (role == Qt::TextAlignmentRole && (kind == GridKind::Money || kind == GridKind::WholeNumber))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool less(GridKind kind, const QVariant &left, const QVariant &right)
{
    switch (kind) {
    case GridKind::Money: return left.value<Currency>() < right.value<Currency>();
    case GridKind::WholeNumber: return left.toLongLong() < right.toLongLong();
    case GridKind::Flag: return left.toBool() < right.toBool();
    case GridKind::Date: return left.toDate() < right.toDate();
    case GridKind::Text: break;
    }
    // Text sorts without regard to case, as the user reads it.
    return left.toString().toUpper() < right.toString().toUpper();
}

std::optional<Currency> parseMoney(const QString &text)
{
    return Currency::fromString(text.isEmpty() ? QStringLiteral("0") : text);
}

} // namespace zel::grid
