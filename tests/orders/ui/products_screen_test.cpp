#include "orders/ui/products_screen.h"

#include "desktop/main_menu_operations.h"
#include "orders/ui/products_delegate.h"
#include "orders/ui/products_model.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

using namespace zel;
using zel::test::TempApp;

namespace {

QString product(int year, int number, const QString &catalog)
{
    return QString("Insert Into Products ([Products Campaign Year], [Products Campaign Number], [Products Catalog Number], "
                   "[Products Earnings Flag], [Products Last Price], [Products Reg Price], [Products Baseline Update], "
                   "[Products Delete Flag], [Products Description]) Values (%1, %2, '%3', 'R', 2.5, 3, 'N', 0, 'Blush')")
        .arg(year).arg(number).arg(catalog);
}

class ProductsScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {product(2008, 5, "111-111"), product(2008, 5, "222-222"),
                                                  product(2008, 6, "333-333"), product(0, 0, "111-111")});
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        app.state->options.CurrentCampaignYear = 2008;
        app.state->options.CurrentCampaignNumber = 5;
        screen = std::make_unique<ProductsScreen>(*app.state);
    }
    QStringList column(const QString &sql) { return app.column(sql); }
    ProductsModel *model() { return screen->model(); }
    // Opens the cell's editor and types `text` into it, as a user does before leaving the cell.
    QLineEdit *typeInto(int row, int column, const QString &text)
    {
        screen->setVisible(true);
        screen->grid()->setCurrentIndex(model()->index(row, column));
        screen->grid()->edit(screen->grid()->currentIndex());
        auto *editor = qobject_cast<QLineEdit *>(screen->delegate()->editor());
        if (editor)
            editor->setText(text);
        return editor;
    }
    void press(QWidget *target, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    }
    int questions() const { return app.prompter.count(ScriptedPrompter::Kind::Question); }

    TempApp app;
    QString path;
    std::unique_ptr<ProductsScreen> screen;
};

} // namespace

TEST_F(ProductsScreenTest, OpensOnTheCurrentCampaignWithTheCountInItsTitle)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Products - Current Product Count = 4"));
    ASSERT_EQ(model()->rowCount(), 2);
    EXPECT_EQ(model()->product(0).catalogNumber, QStringLiteral("111-111"));
    EXPECT_EQ(model()->headerData(ProductsModel::EarningsFlag, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("EL"));
    screen->stepCampaign(true);
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_EQ(model()->product(0).catalogNumber, QStringLiteral("333-333"));
}

TEST_F(ProductsScreenTest, EditsAreStoredAtOnceAndBadOnesRefused)
{
    ASSERT_TRUE(model()->setData(model()->index(0, ProductsModel::Description), "Rouge", Qt::EditRole));
    EXPECT_EQ(column("Select [Products Description] || [Products Baseline Update] From Products Where [Products Campaign "
                     "Number] = 5 And [Products Catalog Number] = '111-111'"),
              QStringList{"RougeY"});
    EXPECT_FALSE(model()->setData(model()->index(1, ProductsModel::CatalogNumber), "111-111", Qt::EditRole));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Duplicate Campaign Year/Campaign Number/Product Number"));
    EXPECT_EQ(model()->product(1).catalogNumber, QStringLiteral("222-222"));
    EXPECT_FALSE(model()->setData(model()->index(1, ProductsModel::EarningsFlag), "Q", Qt::EditRole));
    EXPECT_EQ(app.prompter.messageTexts().last(),
              QStringLiteral("EL (Earnings Level) column must match an entry in Options (Earnings)"));
    EXPECT_FALSE(model()->setData(model()->index(1, ProductsModel::UnitPrice), "cheap", Qt::EditRole));
}

TEST_F(ProductsScreenTest, DataEntryRowsWaitForTheirNumberAndBaselinePricesMatch)
{
    screen->startDataEntry(true);
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_TRUE(model()->isPending(0));
    ASSERT_TRUE(model()->setData(model()->index(0, ProductsModel::RegPrice), "4.25", Qt::EditRole));
    EXPECT_EQ(column("Select Count(*) From Products"), QStringList{"4"}) << "no number yet, nothing stored";
    ASSERT_TRUE(model()->setData(model()->index(0, ProductsModel::CatalogNumber), "444-444", Qt::EditRole));
    EXPECT_FALSE(model()->isPending(0));
    EXPECT_TRUE(app.prompter.messageTexts().last().startsWith("Unit Price and Regular Price must match"));
    EXPECT_EQ(column("Select [Products Last Price] From Products Where [Products Catalog Number] = '444-444'"),
              QStringList{"4.25"});
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Products - Current Product Count = 5"));
}

TEST_F(ProductsScreenTest, AddingFilteringAndClosingCarryIntoTheBaseline)
{
    screen->productNumberBox()->setText("");
    screen->addProduct();
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Please enter a product number."));

    for (const char *answer : {"8", "Gloss", "Pink", "5 ml", "6.00"})
        app.prompter.queueInput(QString::fromLatin1(answer));
    screen->productNumberBox()->setText("555-555");
    screen->addProduct();
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_TRUE(model()->product(0).isBaseline());

    app.prompter.queueInput("33");
    screen->filter(catalogue::Filter::ProductNumber);
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_EQ(model()->product(0).catalogNumber, QStringLiteral("333-333"));

    ASSERT_TRUE(model()->setData(model()->index(0, ProductsModel::Size), "Large", Qt::EditRole));
    screen->reject();
    EXPECT_EQ(column("Select [Products Size] From Products Where [Products Campaign Year] = 0 And [Products Catalog Number] "
                     "= '333-333'"),
              QStringList{"Large"});
    EXPECT_EQ(column("Select Count(*) From Products Where [Products Baseline Update] = 'Y'"), QStringList{"0"});
}

TEST_F(ProductsScreenTest, EveryHeadingFitsItsColumn)
{
    QHeaderView *header = screen->grid()->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int column = 0; column < model()->columnCount(); ++column) {
        const QString heading = model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_GT(header->sectionSize(column), metrics.horizontalAdvance(heading)) << heading.toStdString();
        EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column)) << heading.toStdString();
    }
}

TEST_F(ProductsScreenTest, EscapeCancelsTheCellAndLeavesTheScreenOpen)
{
    QLineEdit *editor = typeInto(0, ProductsModel::Description, "Rouge");
    ASSERT_NE(editor, nullptr);
    press(editor, Qt::Key_Escape);
    EXPECT_FALSE(screen->delegate()->isEditing());
    EXPECT_TRUE(screen->isVisible()) << "Escape in a cell only cancels the cell";
    EXPECT_EQ(model()->product(0).description, QStringLiteral("Blush"));
    EXPECT_EQ(questions(), 0);

    press(screen->grid(), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible()) << "with nothing unsaved, Escape closes without asking";
    EXPECT_EQ(questions(), 0);
}

TEST_F(ProductsScreenTest, ClosingWithATypedCellAsksAndStoresItOnYes)
{
    typeInto(0, ProductsModel::Description, "Rouge");
    app.prompter.queueAnswer(Answer::Cancel);
    screen->reject();
    EXPECT_TRUE(screen->isVisible()) << "Cancel keeps the screen open";
    EXPECT_TRUE(screen->delegate()->isEditing());
    ASSERT_EQ(questions(), 1);
    EXPECT_EQ(app.prompter.messages().back().text, QStringLiteral("Save the changes to the products?"));
    EXPECT_EQ(app.prompter.messages().back().buttons, Buttons::YesNoCancel);

    app.prompter.queueAnswer(Answer::Yes);
    screen->reject();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(column("Select [Products Description] From Products Where [Products Campaign Number] = 5 And "
                     "[Products Catalog Number] = '111-111'"),
              QStringList{"Rouge"});
}

TEST_F(ProductsScreenTest, ARefusedValueKeepsTheScreenOpenAndNoForgetsIt)
{
    typeInto(0, ProductsModel::UnitPrice, "cheap");
    app.prompter.queueAnswer(Answer::Yes);
    screen->reject();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(app.prompter.messageTexts().last(), catalogue::kRejectedRow);

    app.prompter.queueAnswer(Answer::No);
    screen->reject();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(column("Select [Products Last Price] From Products Where [Products Catalog Number] = '111-111' And "
                     "[Products Campaign Number] = 5"),
              QStringList{"2.5"});
}

TEST_F(ProductsScreenTest, ADataEntryRowWithoutItsNumberIsNotLostUnasked)
{
    screen->setVisible(true);
    screen->startDataEntry(false);
    screen->delegate()->discardEditor();
    ASSERT_TRUE(model()->setData(model()->index(0, ProductsModel::Description), "Mascara", Qt::EditRole));
    app.prompter.queueAnswer(Answer::Yes);
    screen->reject();
    EXPECT_TRUE(screen->isVisible()) << "a row without its product number cannot be stored";
    EXPECT_EQ(app.prompter.messageTexts().last(), QStringLiteral("Please enter a product number."));
    EXPECT_EQ(screen->grid()->currentIndex().column(), int(ProductsModel::CatalogNumber));

    screen->delegate()->discardEditor();
    app.prompter.queueAnswer(Answer::No);
    screen->reject();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(column("Select Count(*) From Products"), QStringList{"4"});
}
