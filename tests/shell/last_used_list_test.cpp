#include "shell/last_used_list.h"

#include "test_support.h"

#include <gtest/gtest.h>

using namespace zel;
using zel::test::TempApp;

namespace {

void setList(const AppSettings &settings, const QStringList &paths)
{
    for (int n = 1; n <= paths.size(); ++n)
        settings.write(settings::lastUsed(n), paths[n - 1]);
}

QStringList list(const AppSettings &settings)
{
    QStringList out;
    for (int n = 1; n <= 10; ++n)
        out << settings.read(settings::lastUsed(n));
    return out;
}

} // namespace

TEST(LastUsedList, ChoosingLastFourMovesItFirstAndShiftsTheOthers)
{
    TempApp app;
    const AppSettings &settings = app.state->settings;
    setList(settings, {"/a.ZELDB", "/b.ZELDB", "/c.ZELDB", "/d.ZELDB", "/e.ZELDB"});
    Gs_Save_Last_Used(settings, app.state->registry, "/D.ZELDB");
    EXPECT_EQ(list(settings).mid(0, 6),
              QStringList({"/D.ZELDB", "/a.ZELDB", "/b.ZELDB", "/c.ZELDB", "/e.ZELDB", "Missing"}));
    EXPECT_EQ(settings.read(settings::LastDBName), QStringLiteral("/D.ZELDB"));
    EXPECT_EQ(app.state->registry.lastDbName(), QStringLiteral("/D.ZELDB"));
}

TEST(LastUsedList, ANewPathPushesTheEleventhOff)
{
    TempApp app;
    const AppSettings &settings = app.state->settings;
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("/db%1.ZELDB").arg(i);
    setList(settings, ten);
    Gs_Save_Last_Used(settings, app.state->registry, "/new.ZELDB");
    QStringList expected{"/new.ZELDB"};
    expected << ten.mid(0, 9);
    EXPECT_EQ(list(settings), expected);
}

TEST(LastUsedList, TheMenuShowsOnlyThePlacesInUse)
{
    TempApp app;
    const AppSettings &settings = app.state->settings;
    settings.write(settings::lastUsed(1), "/first.ZELDB");
    settings.write(settings::lastUsed(3), "/third.ZELDB");
    const auto shown = mShowLastUsed(settings);
    EXPECT_EQ(shown[0], QStringLiteral("/first.ZELDB"));
    EXPECT_TRUE(shown[1].isEmpty());
    EXPECT_EQ(shown[2], QStringLiteral("/third.ZELDB"));
    EXPECT_TRUE(shown[9].isEmpty());
}
