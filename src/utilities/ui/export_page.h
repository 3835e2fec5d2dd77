#pragma once

#include "utilities/ui/utility_page.h"

class QCheckBox;
class QRadioButton;

namespace zel {

// Tab 4: writing customers, orders or e-mail addresses to a comma-separated file.
class ExportPage : public UtilityPage
{
    Q_OBJECT
public:
    enum Selection { Active, Closed, All, SelectionCount };
    enum Sort { ZipCode, Name, SortCount };
    enum Content { NamesAddresses, AllCustomerData, AllOrderData, EmailAddresses, ContentCount };

    ExportPage(AppState &state, QWidget *parent = nullptr);

    QRadioButton *selection(Selection s) const { return m_selections[s]; }
    QRadioButton *sort(Sort s) const { return m_sorts[s]; }
    QRadioButton *content(Content c) const { return m_contents[c]; }
    QCheckBox *headerBox() const { return m_header; }
    void runExport();

private:
    QRadioButton *m_selections[SelectionCount];
    QRadioButton *m_sorts[SortCount];
    QRadioButton *m_contents[ContentCount];
    QCheckBox *m_header;
};

} // namespace zel
