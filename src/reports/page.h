#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <variant>
#include <vector>

namespace zel::reports {

// A font as the report font settings describe it.
struct ReportFont
{
    QString family = QStringLiteral("Times New Roman");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;

    bool operator==(const ReportFont &) const = default;
};

// What a page holds, in points (1/72 inch) from the page's top left corner.
struct TextItem
{
    QRectF rect;
    QString text;
    ReportFont font;
    int alignment = Qt::AlignLeft | Qt::AlignTop; // Qt::Alignment flags; wrapped inside rect
    double rotation = 0;                          // degrees, about the rect's centre (watermarks)
};

struct LineItem
{
    QLineF line;
    double width = 0.5;
    QColor color = Qt::black;
};

struct BoxItem
{
    QRectF rect;
    QColor fill = Qt::transparent;
    QColor border = Qt::black;
    double width = 0.5;
};

struct ImageItem
{
    QRectF rect;
    QImage image;
    double opacity = 1.0; // below 1 for a watermark
};

using PageItem = std::variant<TextItem, LineItem, BoxItem, ImageItem>;

// One laid-out page: plain data that outputs draw and tests read.
struct Page
{
    QSizeF size; // points
    std::vector<PageItem> items;

    // Every text on the page, top to bottom, left to right.
    std::vector<const TextItem *> texts() const;
    // True when some text item reads exactly `text`.
    bool hasText(const QString &text) const;
    // The text items whose text contains `part`.
    std::vector<const TextItem *> find(const QString &part) const;
};

} // namespace zel::reports
