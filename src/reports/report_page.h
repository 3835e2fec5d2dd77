#pragma once

#include "reports/page_list.h"

namespace zel::reports {

struct Document
{
    QString title;
    PageList pages;

    // All texts of all pages joined, page by page, in reading order.
    QString plainText() const;
};

} // namespace zel::reports
