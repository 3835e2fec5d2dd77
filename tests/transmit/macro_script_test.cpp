#include "transmit/macro_files.h"
#include "transmit/macro_script.h"
#include "test_support.h"

#include <QDir>
#include <QFile>

namespace zel::transmit {
namespace {

TEST(MacroScriptTest, CodeTextKeepsCommandLinesWithTheirNumbers)
{
    const QString code = MacroScript::codeOf(QStringLiteral("VERSION BUILD=1\n' a comment\n\nURL GOTO={{Site}}\n"));
    EXPECT_TRUE(code.startsWith(QStringLiteral("CODE:VERSION BUILD=1\r\n' a comment\r\n")));
    const MacroScript script = MacroScript::fromCode(code);
    ASSERT_EQ(script.lines().size(), 2);
    EXPECT_EQ(script.lines().at(1).first, 4);
    EXPECT_EQ(script.lines().at(1).second, QStringLiteral("URL GOTO={{Site}}"));
}

TEST(MacroScriptTest, VariablesAreWrittenInAndAnUnknownOneIsNamed)
{
    const QHash<QString, QString> variables{{QStringLiteral("CELL"), QStringLiteral("3")},
                                            {QStringLiteral("!EXTRACT"), QStringLiteral("Accepted")}};
    QString missing;
    EXPECT_EQ(MacroScript::substitute(QStringLiteral("ATTR=NAME:product{{Cell}} X={{!EXTRACT}}"), variables, &missing),
              QStringLiteral("ATTR=NAME:product3 X=Accepted"));
    EXPECT_TRUE(missing.isEmpty());
    MacroScript::substitute(QStringLiteral("CONTENT={{Quantity}}"), variables, &missing);
    EXPECT_EQ(missing, QStringLiteral("Quantity"));
}

TEST(MacroScriptTest, ParametersQuotesAndEval)
{
    QString error;
    const auto tag = MacroScript::parse(
        QStringLiteral("TAG POS=1 TYPE=INPUT:TEXT ATTR=NAME:q&&CLASS:a* CONTENT=\"two words\""), 7, &error);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->name, QStringLiteral("TAG"));
    EXPECT_EQ(tag->line, 7);
    EXPECT_EQ(tag->parameter(QStringLiteral("ATTR")), QStringLiteral("NAME:q&&CLASS:a*"));
    EXPECT_EQ(tag->parameter(QStringLiteral("CONTENT")), QStringLiteral("two words"));

    const auto set = MacroScript::parse(
        QStringLiteral("set !VAR1 EVAL(\"if (s == \\\"x y\\\") MacroError('no'); s;\")"), 2, &error);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->name, QStringLiteral("SET"));
    ASSERT_EQ(set->words.size(), 2);
    EXPECT_EQ(MacroScript::evalScript(set->words.at(1)), QStringLiteral("if (s == \"x y\") MacroError('no'); s;"));
    EXPECT_FALSE(MacroScript::evalScript(QStringLiteral("plain")));

    EXPECT_FALSE(MacroScript::parse(QStringLiteral("TAG CONTENT=\"open"), 9, &error));
    EXPECT_EQ(error, QStringLiteral("SyntaxError: a quote is not closed, line: 9"));
    EXPECT_EQ(MacroScript::unescape(QStringLiteral("Update<SP>Order<br>")), QStringLiteral("Update Order\n"));
}

TEST(MacroFilesTest, SuppliedMacrosAreInstalledOnceAndNeverOverwritten)
{
    test::TempApp app;
    const MacroFiles files(app.path(""));
    files.installMissing();
    for (const QString &name : MacroFiles::suppliedNames())
        EXPECT_TRUE(QFile::exists(files.path(name))) << name.toStdString();
    app.writeFile(QStringLiteral("IMacros/zel_start.iim"), "URL GOTO=https://example.invalid\n");
    files.installMissing();
    EXPECT_EQ(files.code(QStringLiteral("zel_start.iim")), QStringLiteral("CODE:URL GOTO=https://example.invalid\r\n\r\n"));
    EXPECT_FALSE(files.code(QStringLiteral("missing.iim")));
}

} // namespace
} // namespace zel::transmit
