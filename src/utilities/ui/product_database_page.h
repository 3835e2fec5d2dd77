#pragma once

#include "utilities/ui/utility_page.h"

class QLabel;
class QRadioButton;

namespace zel {

// Tab 9: a product database (.ZELPD or a .ZIP holding one) merged into the catalogue.
class ProductDatabasePage : public UtilityPage
{
    Q_OBJECT
public:
    ProductDatabasePage(AppState &state, QWidget *parent = nullptr);

    QRadioButton *noDashes() const { return m_noDashes; }
    QRadioButton *useDashes() const { return m_useDashes; }
    QLabel *statistics() const { return m_statistics; }
    // "&Import": `file` given skips the file dialog (tests).
    void runImport(const QString &file = {});

private:
    QRadioButton *m_noDashes;
    QRadioButton *m_useDashes;
    QLabel *m_progress;
    QLabel *m_statistics;
};

} // namespace zel
