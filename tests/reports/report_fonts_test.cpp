#include "reports/report_fonts.h"
#include "reports/report_renderer.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextLayout>

using namespace zel::reports;

namespace {

// Customers type their names as they like: accents, Greek, Cyrillic, Chinese, Korean, Japanese, emoji.
const QString kWorldNames = QStringLiteral("Zoë Σοφία Мария 王秀英 김민지 さくら");
const QString kEmoji = QStringLiteral("💄😀🌸");

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintedText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) is not installed";
    }

    // A one-page PDF with `text` at kBox, named `name`; returns its path.
    QString print(const QString &text, const ReportFont &font, const QString &name = QStringLiteral("page"))
    {
        Document document;
        document.title = QStringLiteral("fonts");
        Page page;
        page.size = QSizeF(300, 100);
        page.items.push_back(TextItem{kBox, text, font, Qt::AlignLeft | Qt::AlignTop});
        document.pages.push_back(page);
        const QString path = m_dir.filePath(name + QStringLiteral(".pdf"));
        QString error;
        EXPECT_TRUE(writePdf(document, path, &error)) << qPrintable(error);
        return path;
    }

    // Dark pixels inside kBox of the printed page, seen at 72 dots per inch.
    int inkInBox(const QString &pdf)
    {
        const QString prefix = pdf.chopped(4) + QStringLiteral("-image");
        run("pdftoppm", {"-r", "72", "-gray", "-singlefile", pdf, prefix});
        const QImage image(prefix + QStringLiteral(".pgm"));
        int dark = 0;
        for (int y = int(kBox.top()); y < int(kBox.bottom()) && y < image.height(); ++y)
            for (int x = int(kBox.left()); x < int(kBox.right()) && x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
        return dark;
    }

    static constexpr QRectF kBox{20, 20, 260, 40};
    QTemporaryDir m_dir;
};

} // namespace

TEST(ReportFonts, EveryCharacterOfAWorldOfNamesHasAGlyph)
{
    for (const char *family : {"Times New Roman", "Arial", "Courier New"}) {
        ReportFont font;
        font.family = QString::fromLatin1(family);
        QTextLayout layout(kWorldNames + QLatin1Char(' ') + kEmoji, toQFont(font));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            for (const quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << family << ": a character has no glyph in " << qPrintable(run.rawFont().familyName());
    }
}

TEST(ReportFonts, ColourEmojiFontsAreKnownForBitmapsOnly)
{
    ReportFont plain;
    EXPECT_FALSE(needsBitmapGlyphs(kWorldNames, toQFont(plain)));
    EXPECT_FALSE(hasOnlyBitmapGlyphs(QRawFont::fromFont(toQFont(plain))));
    if (!QFontDatabase::hasFamily(QStringLiteral("Noto Color Emoji")))
        GTEST_SKIP() << "fonts-noto-color-emoji is not installed";
    ReportFont colour;
    colour.family = QStringLiteral("Noto Color Emoji");
    EXPECT_TRUE(hasOnlyBitmapGlyphs(QRawFont::fromFont(toQFont(colour))));
    EXPECT_TRUE(needsBitmapGlyphs(QStringLiteral("Anna ") + kEmoji, toQFont(colour)));
}

TEST_F(PrintedText, GreekCyrillicAndChineseStayTextInThePdf)
{
    const QString pdf = print(kWorldNames, ReportFont{});
    const QString text = run("pdftotext", {pdf, "-"}).simplified();
    EXPECT_EQ(text, kWorldNames);
    // Characters the report face lacks came from other fonts, embedded in the file.
    EXPECT_GE(run("pdffonts", {pdf}).count("Identity-H"), 2) << qPrintable(run("pdffonts", {pdf}));
}

TEST_F(PrintedText, EmojiLeaveInkOnThePage)
{
    ReportFont font;
    font.pointSize = 14;
    EXPECT_GT(inkInBox(print(kEmoji, font)), 60);
}

TEST_F(PrintedText, EmojiOfAColourFontArePrintedAsPictures)
{
    if (!QFontDatabase::hasFamily(QStringLiteral("Noto Color Emoji")))
        GTEST_SKIP() << "fonts-noto-color-emoji is not installed";
    // A PDF cannot embed bitmap glyphs: drawn as text, these would leave the box empty.
    ReportFont colour;
    colour.family = QStringLiteral("Noto Color Emoji");
    colour.pointSize = 14;
    EXPECT_GT(inkInBox(print(kEmoji, colour)), 60);
    // The Latin letters around them are still drawn, and can still be found as text.
    const QString withName = print(QStringLiteral("Anna ") + kEmoji, colour, QStringLiteral("with-name"));
    EXPECT_GT(inkInBox(withName), inkInBox(print(kEmoji, colour)));
    EXPECT_TRUE(run("pdftotext", {withName, "-"}).contains("Anna"));
}
