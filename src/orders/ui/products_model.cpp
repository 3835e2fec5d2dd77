#include "orders/ui/products_model.h"

#include "orders/product_catalogue.h"

#include <algorithm>

namespace zel {

namespace {

const char *const kHeaders[] = {"Campaign Year", "Campaign Number", "Product Number", "EL", "Page", "Description",
                                "Shade Fragrance", "Size", "Notes", "Tax 1", "Tax 2", "Unit Price", "Special Price",
                                "Reg Price", "Delete", "Baseline Update"};

bool isFlagColumn(int column)
{
    return column == ProductsModel::Tax1 || column == ProductsModel::Tax2 || column == ProductsModel::Delete;
}

bool isMoneyColumn(int column)
{
    return column == ProductsModel::UnitPrice || column == ProductsModel::SpecialPrice || column == ProductsModel::RegPrice;
}

QVariant cell(const Product &p, int column)
{
    switch (column) {
    case ProductsModel::Year: return p.campaignYear;
    case ProductsModel::Number: return p.campaignNumber;
    case ProductsModel::CatalogNumber: return p.catalogNumber;
    case ProductsModel::EarningsFlag: return p.earningsFlag;
    case ProductsModel::Page: return p.page;
    case ProductsModel::Description: return p.description;
    case ProductsModel::Shade: return p.shade;
    case ProductsModel::Size: return p.size;
    case ProductsModel::Notes: return p.notes;
    case ProductsModel::Tax1: return p.tax1;
    case ProductsModel::Tax2: return p.tax2;
    case ProductsModel::UnitPrice: return QVariant::fromValue(p.lastPrice.raw());
    case ProductsModel::SpecialPrice: return QVariant::fromValue(p.specialPrice.raw());
    case ProductsModel::RegPrice: return QVariant::fromValue(p.regPrice.raw());
    case ProductsModel::Delete: return p.deleteFlag;
    case ProductsModel::BaselineUpdate: return p.baselineUpdate;
    default: return {};
    }
}

Product blankProduct(const Campaign &campaign)
{
    Product blank;
    blank.campaignYear = campaign.year;
    blank.campaignNumber = campaign.number;
    blank.earningsFlag = QStringLiteral("R");
    return blank;
}

} // namespace

ProductsModel::ProductsModel(cDataAccess &data, std::function<void(const QString &)> tell, QObject *parent)
    : QAbstractTableModel(parent), m_data(data), m_tell(std::move(tell))
{
}

void ProductsModel::setProducts(std::vector<Product> products)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(products.size());
    for (Product &p : products)
        m_rows.push_back({std::move(p), false});
    endResetModel();
}

int ProductsModel::addBlankRow(const Campaign &campaign)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.push_back({blankProduct(campaign), true});
    endInsertRows();
    return row;
}

int ProductsModel::firstUnsavedRow() const
{
    for (int row = 0; row < int(m_rows.size()); ++row) {
        const Row &r = m_rows[row];
        if (r.pending && !(r.product == blankProduct(r.product.campaign())))
            return row;
    }
    return -1;
}

void ProductsModel::dropPendingRows()
{
    for (int row = int(m_rows.size()) - 1; row >= 0; --row) {
        if (!m_rows[row].pending)
            continue;
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
}

int ProductsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProductsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProductsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Product &p = m_rows.at(index.row()).product;
    const int column = index.column();
    if (isFlagColumn(column)) {
        if (role == Qt::CheckStateRole)
            return cell(p, column).toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role == Qt::TextAlignmentRole && (isMoneyColumn(column) || column <= Number))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (isMoneyColumn(column)) {
        const Currency money = Currency::fromRaw(cell(p, column).toLongLong());
        return role == Qt::EditRole ? money.toPlainText() : money.format(u"#,##0.00");
    }
    return cell(p, column);
}

QVariant ProductsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return m_rows.at(section).pending ? QVariant(QStringLiteral("*")) : QVariant(section + 1);
    return QString::fromLatin1(kHeaders[section]);
}

Qt::ItemFlags ProductsModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (isFlagColumn(index.column()))
        return flags | Qt::ItemIsUserCheckable;
    return flags | Qt::ItemIsEditable;
}

QString ProductsModel::apply(Product &p, int column, const QVariant &value) const
{
    const QString text = value.toString().trimmed();
    bool ok = true;
    switch (column) {
    case Year: p.campaignYear = text.toInt(&ok); break;
    case Number: p.campaignNumber = text.toInt(&ok); break;
    case CatalogNumber: p.catalogNumber = text; break;
    case EarningsFlag: p.earningsFlag = text.toUpper(); break;
    case Page: p.page = text; break;
    case Description: p.description = text; break;
    case Shade: p.shade = text; break;
    case Size: p.size = text; break;
    case Notes: p.notes = text; break;
    case Tax1: p.tax1 = value.toInt() == Qt::Checked; break;
    case Tax2: p.tax2 = value.toInt() == Qt::Checked; break;
    case Delete: p.deleteFlag = value.toInt() == Qt::Checked; break;
    case BaselineUpdate: p.baselineUpdate = text.toUpper(); break;
    default: {
        const std::optional<Currency> money = Currency::fromString(text.isEmpty() ? QStringLiteral("0") : text);
        if (!money)
            return catalogue::kRejectedRow;
        (column == UnitPrice ? p.lastPrice : column == SpecialPrice ? p.specialPrice : p.regPrice) = *money;
    }
    }
    return ok ? QString() : catalogue::kRejectedRow;
}

bool ProductsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::CheckStateRole))
        return false;
    Product edited = m_rows.at(index.row()).product;
    if (const QString message = apply(edited, index.column(), value); !message.isEmpty()) {
        m_tell(message);
        return false;
    }
    // An edited campaign row is carried into its baseline when the screen closes.
    if (index.column() != BaselineUpdate && !edited.isBaseline())
        edited.baselineUpdate = QStringLiteral("Y");
    return store(index.row(), edited);
}

bool ProductsModel::store(int row, Product edited)
{
    Row &current = m_rows.at(row);
    if (current.pending && edited.catalogNumber.isEmpty()) {
        current.product = edited; // not a product yet: nothing to store
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        return true;
    }
    if (const QString message = catalogue::checkRow(m_data, edited); !message.isEmpty()) {
        m_tell(message);
        return false;
    }
    if (const QString adjusted = catalogue::alignBaselinePrice(edited); !adjusted.isEmpty())
        m_tell(adjusted);
    const std::optional<Product> original = current.pending ? std::nullopt : std::optional<Product>(current.product);
    if (!catalogue::saveRow(m_data, original, edited)) {
        m_tell(catalogue::kRejectedRow);
        return false;
    }
    current = {edited, false};
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
    emit stored();
    return true;
}

void ProductsModel::sort(int column, Qt::SortOrder order)
{
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row &a, const Row &b) {
        const QVariant left = cell(a.product, column);
        const QVariant right = cell(b.product, column);
        const auto ordering = left.typeId() == QMetaType::QString
                                ? QVariant::compare(left.toString().toUpper(), right.toString().toUpper())
                                : QVariant::compare(left, right);
        return order == Qt::AscendingOrder ? ordering == QPartialOrdering::Less : ordering == QPartialOrdering::Greater;
    });
    endResetModel();
}

} // namespace zel
