#include "reports/page_list.h"

#include <QRgba64>

#include <algorithm>
#include <cstring>

namespace zel::reports {

namespace {

// Item kinds in the low bits of an item's tag byte, and what else the tag says.
enum Tag : quint8 {
    kText = 0,
    kLine = 1,
    kBox = 2,
    kImage = 3,
    kKind = 3,
    kSameRow = 4,   // a text with the top and height of the text before it (a row's cells)
    kLatin1 = 8,    // a text stored one byte a character
    kRotated = 16,  // a text with a rotation
    kLong = 32,     // a text of 65,536 characters or more, whose length takes four bytes
};

class Writer
{
public:
    explicit Writer(QByteArray &out) : m_out(out) {}
    template<typename T> void put(T value) { m_out.append(reinterpret_cast<const char *>(&value), sizeof value); }
    void put(const QString &text, bool latin1, bool longText = true)
    {
        if (longText)
            put(quint32(text.size()));
        else
            put(quint16(text.size()));
        if (latin1)
            m_out.append(text.toLatin1());
        else
            m_out.append(reinterpret_cast<const char *>(text.constData()), text.size() * qsizetype(sizeof(QChar)));
    }
    void put(const QColor &color)
    {
        put(quint8(color.isValid()));
        if (color.isValid())
            put(quint64(color.rgba64()));
    }
    void put(const QRectF &rect) { put(rect.left()), put(rect.top()), put(rect.width()), put(rect.height()); }
    // A position in a table of `count` entries, in as few bytes as the table needs.
    void putIndex(size_t index, size_t count)
    {
        if (count <= 0x100)
            put(quint8(index));
        else if (count <= 0x10000)
            put(quint16(index));
        else
            put(quint32(index));
    }

private:
    QByteArray &m_out;
};

class Reader
{
public:
    explicit Reader(const QByteArray &in) : m_at(in.constData()) {}
    template<typename T> T get()
    {
        T value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    QString text(bool latin1, bool longText = true)
    {
        const auto length = qsizetype(longText ? get<quint32>() : get<quint16>());
        QString out = latin1 ? QString::fromLatin1(m_at, length)
                             : QString(reinterpret_cast<const QChar *>(m_at), length);
        m_at += latin1 ? length : length * qsizetype(sizeof(QChar));
        return out;
    }
    size_t index(size_t count)
    {
        return count <= 0x100 ? get<quint8>() : count <= 0x10000 ? get<quint16>() : get<quint32>();
    }
    QColor color() { return get<quint8>() ? QColor::fromRgba64(QRgba64::fromRgba64(get<quint64>())) : QColor(); }
    QRectF rect()
    {
        const double left = get<double>(), top = get<double>(), width = get<double>();
        return {left, top, width, get<double>()};
    }

private:
    const char *m_at;
};

bool isLatin1(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 0xff)
            return false;
    return true;
}

void putFont(Writer &out, const ReportFont &font)
{
    out.put(font.family, false);
    out.put(font.pointSize);
    out.put(quint8(font.bold | font.italic << 1 | font.underline << 2 | font.strikeOut << 3));
    out.put(font.color);
}

ReportFont getFont(Reader &in)
{
    ReportFont font;
    font.family = in.text(false);
    font.pointSize = in.get<double>();
    const quint8 flags = in.get<quint8>();
    font.bold = flags & 1;
    font.italic = flags & 2;
    font.underline = flags & 4;
    font.strikeOut = flags & 8;
    font.color = in.color();
    return font;
}

// The page's fonts, each once: a page of a long list uses two or three.
std::vector<ReportFont> fontsOf(const Page &page)
{
    std::vector<ReportFont> fonts;
    for (const PageItem &item : page.items)
        if (const auto *text = std::get_if<TextItem>(&item); text && std::find(fonts.begin(), fonts.end(), text->font) == fonts.end())
            fonts.push_back(text->font);
    return fonts;
}

// The page's distinct left edges and widths of texts: the cells of a list repeat a few columns on
// every row, so each text names its column instead of carrying two numbers.
std::vector<std::pair<double, double>> spansOf(const Page &page)
{
    std::vector<std::pair<double, double>> spans;
    for (const PageItem &item : page.items)
        if (const auto *text = std::get_if<TextItem>(&item)) {
            const std::pair<double, double> span{text->rect.left(), text->rect.width()};
            if (std::find(spans.begin(), spans.end(), span) == spans.end())
                spans.push_back(span);
        }
    return spans;
}

} // namespace

PageList::PageList(std::initializer_list<Page> pages)
{
    for (const Page &page : pages)
        push_back(page);
}

void PageList::push_back(const Page &page)
{
    m_pages.push_back(pack(page));
}

void PageList::append(const PageList &more)
{
    m_pages.insert(m_pages.end(), more.m_pages.begin(), more.m_pages.end());
}

void PageList::setFooterNumbers(size_t index, size_t footerItem, int number, int count, const QString &label)
{
    Packed &page = m_pages.at(index);
    page.footerItem = footerItem;
    page.number = number;
    page.count = count;
    page.label = label;
}

PageList::Packed PageList::pack(const Page &page)
{
    Packed packed;
    Writer out(packed.bytes);
    out.put(page.size.width());
    out.put(page.size.height());
    out.put(quint32(page.items.size()));
    const std::vector<ReportFont> fonts = fontsOf(page);
    out.put(quint16(fonts.size()));
    for (const ReportFont &font : fonts)
        putFont(out, font);
    const std::vector<std::pair<double, double>> spans = spansOf(page);
    out.put(quint32(spans.size()));
    for (const auto &[left, width] : spans)
        out.put(left), out.put(width);
    const TextItem *previous = nullptr;
    for (const PageItem &item : page.items) {
        if (const auto *text = std::get_if<TextItem>(&item)) {
            const bool sameRow = previous && previous->rect.top() == text->rect.top() && previous->rect.height() == text->rect.height();
            const bool latin1 = isLatin1(text->text);
            const bool longText = text->text.size() > 0xffff;
            out.put(quint8(kText | (sameRow ? kSameRow : 0) | (latin1 ? kLatin1 : 0) | (text->rotation != 0 ? kRotated : 0)
                           | (longText ? kLong : 0)));
            const auto span = std::find(spans.begin(), spans.end(), std::make_pair(text->rect.left(), text->rect.width()));
            out.putIndex(size_t(span - spans.begin()), spans.size());
            if (!sameRow) {
                out.put(text->rect.top());
                out.put(text->rect.height());
            }
            out.putIndex(size_t(std::find(fonts.begin(), fonts.end(), text->font) - fonts.begin()), fonts.size());
            out.put(qint32(text->alignment));
            if (text->rotation != 0)
                out.put(text->rotation);
            out.put(text->text, latin1, longText);
            previous = text;
        } else if (const auto *line = std::get_if<LineItem>(&item)) {
            out.put(quint8(kLine));
            out.put(line->line.x1()), out.put(line->line.y1()), out.put(line->line.x2()), out.put(line->line.y2());
            out.put(line->width);
            out.put(line->color);
        } else if (const auto *box = std::get_if<BoxItem>(&item)) {
            out.put(quint8(kBox));
            out.put(box->rect);
            out.put(box->fill);
            out.put(box->border);
            out.put(box->width);
        } else if (const auto *image = std::get_if<ImageItem>(&item)) {
            out.put(quint8(kImage));
            out.put(image->rect);
            out.put(quint32(packed.images.size()));
            packed.images.push_back(image->image);
            out.put(image->opacity);
        }
    }
    packed.bytes.squeeze();
    return packed;
}

Page PageList::unpack(const Packed &packed)
{
    Reader in(packed.bytes);
    Page page;
    const double width = in.get<double>();
    page.size = QSizeF(width, in.get<double>());
    const auto count = in.get<quint32>();
    page.items.reserve(count);
    std::vector<ReportFont> fonts(in.get<quint16>());
    for (ReportFont &font : fonts)
        font = getFont(in);
    std::vector<std::pair<double, double>> spans(in.get<quint32>());
    for (auto &[left, spanWidth] : spans) {
        left = in.get<double>();
        spanWidth = in.get<double>();
    }
    double top = 0;
    double height = 0;
    for (quint32 i = 0; i < count; ++i) {
        const auto tag = in.get<quint8>();
        switch (tag & kKind) {
        case kText: {
            TextItem text;
            const auto &[left, textWidth] = spans.at(in.index(spans.size()));
            if (!(tag & kSameRow)) {
                top = in.get<double>();
                height = in.get<double>();
            }
            text.rect = QRectF(left, top, textWidth, height);
            text.font = fonts.at(in.index(fonts.size()));
            text.alignment = in.get<qint32>();
            if (tag & kRotated)
                text.rotation = in.get<double>();
            text.text = in.text(tag & kLatin1, tag & kLong);
            if (i >= packed.footerItem) {
                text.text.replace(QLatin1String("{PAGELABEL}"), packed.label);
                text.text.replace(QLatin1String("{PAGES}"), QString::number(packed.count));
                text.text.replace(QLatin1String("{PAGE}"), QString::number(packed.number));
            }
            page.items.emplace_back(std::move(text));
            break;
        }
        case kLine: {
            LineItem line;
            const double x1 = in.get<double>(), y1 = in.get<double>(), x2 = in.get<double>();
            line.line = QLineF(x1, y1, x2, in.get<double>());
            line.width = in.get<double>();
            line.color = in.color();
            page.items.emplace_back(line);
            break;
        }
        case kBox: {
            BoxItem box;
            box.rect = in.rect();
            box.fill = in.color();
            box.border = in.color();
            box.width = in.get<double>();
            page.items.emplace_back(box);
            break;
        }
        case kImage: {
            ImageItem image;
            image.rect = in.rect();
            image.image = packed.images.at(in.get<quint32>());
            image.opacity = in.get<double>();
            page.items.emplace_back(std::move(image));
            break;
        }
        }
    }
    return page;
}

} // namespace zel::reports
