#include "orders/ui/inventory_screen.h"

#include "desktop/main_menu_operations.h"
#include "mnemonic_check.h"
#include "orders/ui/inventory_model.h"
#include "shell/ui/edit_mode_sort_guard.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_view.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>

using namespace zel;
using zel::test::TempApp;

namespace {

QString row(const char *catalog, int qty, int soldQty, int deleteFlag = 0)
{
    return QString("Insert Into Inventory ([Inventory Catalog Number], [Inventory Description], [Inventory Price], "
                   "[Inventory Qty], [Inventory Sold To Name], [Inventory Sold To Qty], [Inventory Sold To Campaign Year], "
                   "[Inventory Sold to Campaign Number], [Inventory Delete Flag]) Values ('%1', 'Lipstick', 4.5, %2, '', %3, 0, 0, %4)")
        .arg(catalog).arg(qty).arg(soldQty).arg(deleteFlag);
}

class InventoryScreenTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = app.makeZelDatabase("Shop.ZELDB", {row("111-111", 5, 0), row("111-111", 0, 2), row("222-222", 1, 0, -1)});
        ASSERT_TRUE(MainMenuOperations(*app.state).openDatabase(path, "test", "test"));
        screen = std::make_unique<InventoryScreen>(*app.state);
    }
    QStringList messages() const { return app.prompter.messageTexts(); }

    TempApp app;
    QString path;
    std::unique_ptr<InventoryScreen> screen;
};

TEST_F(InventoryScreenTest, OpeningDropsMarkedRowsAndNoTwoCommandsShareAnAltKey)
{
    EXPECT_EQ(screen->model()->rowCount(), 2);
    EXPECT_EQ(app.column("Select Count(*) From Inventory"), QStringList{"2"});
    screen->show();
    EXPECT_EQ(test::repeatedMnemonics(screen.get()), QStringList());
}

TEST_F(InventoryScreenTest, FindFillsTheBoxesAndUpdateStoresThem)
{
    screen->box("txtProductNumber")->setText("111-111");
    screen->find();
    EXPECT_EQ(screen->statusText(), "Ready for Update or Delete");
    EXPECT_EQ(screen->box("txtQuantity")->text(), "5");
    screen->box("txtQuantity")->setText("9");
    screen->update();
    EXPECT_EQ(screen->statusText(), "Update Complete.");
    EXPECT_EQ(screen->model()->record(0).quantity, 9);

    screen->reset();
    EXPECT_TRUE(screen->box("txtProductNumber")->text().isEmpty());
    screen->box("txtProductNumber")->setText("333-333");
    screen->box("txtQuantity")->setText("x");
    screen->add();
    EXPECT_EQ(messages(), QStringList{"Please enter a number in Quantity"});
}

TEST_F(InventoryScreenTest, AGridEditWithBothQuantitiesIsRefusedWithItsMessage)
{
    InventoryModel *model = screen->model();
    EXPECT_FALSE(model->setData(model->index(0, InventoryModel::SoldQuantity), "1", Qt::EditRole));
    EXPECT_EQ(messages(), QStringList{"When updating Quantity In Stock or Quantity Sold, One of the quantities must be zero."});
    EXPECT_EQ(model->record(0).soldQuantity, 0);
    EXPECT_TRUE(model->setData(model->index(0, InventoryModel::Quantity), "0", Qt::EditRole));
    EXPECT_TRUE(model->setData(model->index(0, InventoryModel::SoldQuantity), "1", Qt::EditRole));
    EXPECT_EQ(app.column("Select Count(*) From Inventory Where [Inventory Sold To Qty] = 1"), QStringList{"1"});
}

TEST_F(InventoryScreenTest, SortingWaitsForAnOpenCellAndAnEmptyReportIsSaid)
{
    screen->show();
    RecordGridView *grid = screen->grid();
    grid->setCurrentIndex(screen->model()->index(0, InventoryModel::Notes));
    grid->edit(grid->currentIndex());
    auto *editor = qobject_cast<QLineEdit *>(grid->delegate()->editor());
    ASSERT_TRUE(editor);
    editor->setText("shelf");
    QWidget *headings = grid->horizontalHeader()->viewport();
    const QPoint at(grid->horizontalHeader()->sectionViewportPosition(0) + 5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, headings->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(headings, &press);
    EXPECT_EQ(messages(), QStringList{EditModeSortGuard::kMessage});

    grid->delegate()->discardEditor();
    app.prompter.clear();
    screen->showRows({InventoryView::Filter::Sold, {}});
    app.state->data.exec("test", "Delete From Inventory");
    screen->printReport(true);
    EXPECT_EQ(messages(), QStringList{"No Inventory Found."});
}

} // namespace
