#include "reports/report_page.h"

#include <algorithm>

namespace zel::reports {

std::vector<const TextItem *> Page::texts() const
{
    std::vector<const TextItem *> out;
    for (const PageItem &item : items)
        if (const auto *text = std::get_if<TextItem>(&item))
            out.push_back(text);
    std::stable_sort(out.begin(), out.end(), [](const TextItem *a, const TextItem *b) {
        if (qAbs(a->rect.top() - b->rect.top()) > 1.0)
            return a->rect.top() < b->rect.top();
        return a->rect.left() < b->rect.left();
    });
    return out;
}

bool Page::hasText(const QString &text) const
{
    const auto all = texts();
    return std::any_of(all.begin(), all.end(), [&](const TextItem *t) { return t->text == text; });
}

std::vector<const TextItem *> Page::find(const QString &part) const
{
    std::vector<const TextItem *> out;
    for (const TextItem *t : texts())
        if (t->text.contains(part))
            out.push_back(t);
    return out;
}

QString Document::plainText() const
{
    QStringList lines;
    for (const Page &page : pages)
        for (const TextItem *t : page.texts())
            lines << t->text;
    return lines.join(QLatin1Char('\n'));
}

} // namespace zel::reports
