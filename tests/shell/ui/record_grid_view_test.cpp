#include "shell/ui/record_grid_view.h"

#include "shell/grid_layout_store.h"
#include "shell/ui/grid_delegate.h"
#include "shell/ui/record_grid_model.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

using namespace zel;
using zel::test::TempApp;

namespace {

struct Note
{
    QString title;
    QString body;
};

class NoteGridTest : public ::testing::Test
{
protected:
    NoteGridTest()
        : model({grid::text(QStringLiteral("Title Of The Note"), &Note::title).withWidth(40),
                 grid::text(QStringLiteral("Body"), &Note::body)},
                [](const QString &) {})
    {
        model.setRows({{"a", QString(300, QLatin1Char('x'))}, {"b", "short"}});
    }
    std::unique_ptr<RecordGridView> openGrid()
    {
        auto view = std::make_unique<RecordGridView>(QStringLiteral("Notes"), *app.state);
        view->setModel(&model);
        view->restoreLayout();
        return view;
    }
    void press(QWidget *target, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
    }

    TempApp app;
    RecordGridModel<Note> model;
};

} // namespace

TEST_F(NoteGridTest, ColumnsFitTheirHeadingsAndLongTextStopsAtASensibleWidth)
{
    auto view = openGrid();
    QHeaderView *header = view->horizontalHeader();
    EXPECT_GE(header->sectionSize(0), header->sectionSizeHint(0)) << "a designed width never cuts the heading";
    EXPECT_LE(header->sectionSize(1), 260);
    EXPECT_GE(header->sectionSize(1), header->sectionSizeHint(1));
}

TEST_F(NoteGridTest, TheSavedLayoutComesBackUnderTheGridsNameUntilReset)
{
    auto first = openGrid();
    first->setColumnWidth(1, 123);
    first->horizontalHeader()->moveSection(1, 0);
    QMenu menu;
    first->addLayoutCommands(&menu, QStringLiteral("&Save Grid Layout"), QStringLiteral("&Reset Grid Layout"));
    ASSERT_EQ(menu.actions().size(), 2);
    menu.actions().at(0)->trigger();
    EXPECT_FALSE(GridLayoutStore(app.state->settings).load(QStringLiteral("Notes")).isEmpty());

    auto second = openGrid();
    EXPECT_EQ(second->columnWidth(1), 123);
    EXPECT_EQ(second->horizontalHeader()->visualIndex(1), 0);

    menu.actions().at(1)->trigger();
    EXPECT_EQ(app.prompter.messageTexts(), QStringList{"Exit to Main Menu to Complete Layout Reset."});
    auto third = openGrid();
    EXPECT_NE(third->columnWidth(1), 123);
    EXPECT_EQ(third->horizontalHeader()->visualIndex(1), 1);
}

TEST_F(NoteGridTest, EnterOpensTheCellEnterStoresItAndEscapeCancelsIt)
{
    auto view = openGrid();
    view->show();
    view->setCurrentIndex(model.index(1, 1));
    press(view.get(), Qt::Key_Return);
    auto *editor = qobject_cast<QLineEdit *>(view->delegate()->editor());
    ASSERT_NE(editor, nullptr);
    editor->setText("longer");
    EXPECT_TRUE(view->delegate()->editorChanged());
    press(editor, Qt::Key_Return);
    EXPECT_FALSE(view->delegate()->isEditing());
    EXPECT_EQ(model.record(1).body, QStringLiteral("longer"));

    press(view.get(), Qt::Key_Return);
    editor = qobject_cast<QLineEdit *>(view->delegate()->editor());
    ASSERT_NE(editor, nullptr);
    editor->setText("gone");
    press(editor, Qt::Key_Escape);
    EXPECT_FALSE(view->delegate()->isEditing());
    EXPECT_EQ(model.record(1).body, QStringLiteral("longer"));
}
