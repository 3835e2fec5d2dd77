#include "shell/ui/record_grid_model.h"

#include <gtest/gtest.h>

using namespace zel;

namespace {

struct Item
{
    QString name;
    int count = 0;
    Currency price;
    bool taxed = false;
    QString code;
};

class ItemGridTest : public ::testing::Test
{
protected:
    enum { Name, Count, Price, Taxed, Code };

    ItemGridTest()
        : model({grid::text(QStringLiteral("Name"), &Item::name, 5),
                 grid::whole(QStringLiteral("Count"), &Item::count, QStringLiteral("Count must be a number.")),
                 grid::money(QStringLiteral("Price"), &Item::price, QStringLiteral("Price must be numeric.")),
                 grid::flag(QStringLiteral("Taxed"), &Item::taxed),
                 grid::upperText(QStringLiteral("Code"), &Item::code).readOnly()},
                [this](const QString &message) { told << message; })
    {
        model.setRows({{"pear", 3, Currency::fromCents(123456), false, "P"},
                       {"Apple", 12, Currency::fromCents(99), true, "A"},
                       {"banana", 7, Currency::fromCents(1000), false, "B"}});
    }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const { return model.index(row, column).data(role); }
    QStringList names() const
    {
        QStringList list;
        for (const Item &item : model.rows())
            list << item.name;
        return list;
    }

    QStringList told;
    RecordGridModel<Item> model;
};

} // namespace

TEST_F(ItemGridTest, MoneyShowsGroupedAndEditsAsPlainNumbersRightAligned)
{
    EXPECT_EQ(cell(0, Price).toString(), QStringLiteral("1,234.56"));
    EXPECT_EQ(cell(0, Price, Qt::EditRole).toString(), QStringLiteral("1234.56"));
    EXPECT_EQ(cell(1, Price).toString(), QStringLiteral("0.99"));
    EXPECT_EQ(cell(0, Price, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(cell(0, Count, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_FALSE(cell(0, Name, Qt::TextAlignmentRole).isValid());
    EXPECT_FALSE(cell(1, Taxed).isValid()) << "a flag shows only its box";
    EXPECT_EQ(cell(1, Taxed, Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

TEST_F(ItemGridTest, EditsAreCheckedAndARefusedValueChangesNothing)
{
    EXPECT_FALSE(model.setData(model.index(0, Count), "many", Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(0, Price), "1.2.3", Qt::EditRole));
    EXPECT_EQ(told, QStringList({"Count must be a number.", "Price must be numeric."}));
    EXPECT_EQ(model.record(0).count, 3);
    EXPECT_FALSE(model.isModified());

    ASSERT_TRUE(model.setData(model.index(0, Price), "", Qt::EditRole));
    EXPECT_TRUE(model.record(0).price.isZero()) << "a blank price is no price";
    ASSERT_TRUE(model.setData(model.index(0, Name), "  Quince tree ", Qt::EditRole));
    EXPECT_EQ(model.record(0).name, QStringLiteral("Quinc")) << "trimmed, then cut to its size";
    ASSERT_TRUE(model.setData(model.index(0, Taxed), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(model.record(0).taxed);
    EXPECT_TRUE(model.isModified());
}

TEST_F(ItemGridTest, ReadOnlyColumnsAndFlagsAreNotTypedInto)
{
    EXPECT_FALSE(model.flags(model.index(0, Code)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, Code), "Z", Qt::EditRole));
    EXPECT_EQ(model.record(0).code, QStringLiteral("P"));
    EXPECT_TRUE(model.flags(model.index(0, Taxed)).testFlag(Qt::ItemIsUserCheckable));
    EXPECT_FALSE(model.flags(model.index(0, Taxed)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(model.flags(model.index(0, Name)).testFlag(Qt::ItemIsEditable));
}

TEST_F(ItemGridTest, SortsTextWithoutCaseAndNumbersByValue)
{
    model.sort(Name, Qt::AscendingOrder);
    EXPECT_EQ(names(), QStringList({"Apple", "banana", "pear"}));
    model.sort(Price, Qt::DescendingOrder);
    EXPECT_EQ(names(), QStringList({"pear", "banana", "Apple"})) << "1,234.56 is more than 10.00 though its text sorts first";
    model.sort(Count, Qt::AscendingOrder);
    EXPECT_EQ(names(), QStringList({"pear", "banana", "Apple"}));
}

TEST_F(ItemGridTest, APendingRowIsMarkedAndKeepsItsMarkWhenSorted)
{
    const int row = model.appendRow({"aaa", 0, Currency(), false, "N"}, true);
    EXPECT_EQ(model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("*"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
    model.sort(Name, Qt::AscendingOrder);
    EXPECT_TRUE(model.isPending(0));
    EXPECT_EQ(model.record(0).name, QStringLiteral("aaa"));
    EXPECT_FALSE(model.isPending(1));
    model.removeRowAt(0);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_FALSE(model.isPending(0));
}
