#pragma once

#include "reports/page.h"

#include <QByteArray>

#include <initializer_list>
#include <iterator>
#include <vector>

namespace zel::reports {

// The pages of a document, each kept packed (some thirty bytes a text instead of a few hundred)
// and unpacked when read: a long report holds hundreds of thousands of texts, and twenty years of
// payments must not need hundreds of megabytes to print.
//
// A page read is a copy: keep the Page while using pointers into it (texts(), find()).
class PageList
{
public:
    PageList() = default;
    PageList(std::initializer_list<Page> pages);

    size_t size() const { return m_pages.size(); }
    bool empty() const { return m_pages.empty(); }
    Page operator[](size_t index) const { return unpack(m_pages[index]); }
    Page at(size_t index) const { return unpack(m_pages.at(index)); }
    Page front() const { return at(0); }
    Page back() const { return at(size() - 1); }

    void push_back(const Page &page);
    void append(const PageList &more);

    // "{PAGE}", "{PAGES}" and "{PAGELABEL}" in the texts a page's footer drew from `footerItem` on
    // become these when the page is read.
    void setFooterNumbers(size_t index, size_t footerItem, int number, int count, const QString &label);

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Page;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Page;

        const_iterator(const PageList *list, size_t index) : m_list(list), m_index(index) {}
        Page operator*() const { return (*m_list)[m_index]; }
        const_iterator &operator++() { return ++m_index, *this; }
        bool operator==(const const_iterator &other) const { return m_index == other.m_index; }

    private:
        const PageList *m_list;
        size_t m_index;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Packed
    {
        QByteArray bytes;
        std::vector<QImage> images; // shared with the page, not copied
        // Footer numbering, applied when unpacking; no numbers when footerItem is npos.
        size_t footerItem = size_t(-1);
        int number = 0;
        int count = 0;
        QString label;
    };
    static Packed pack(const Page &page);
    static Page unpack(const Packed &packed);

    std::vector<Packed> m_pages;
};

} // namespace zel::reports
