#pragma once

#include "utilities/ui/utility_page.h"

class QLineEdit;
class QRadioButton;

namespace zel {

// Tab 3: bringing customers in from a text file, another database or a Timesaver database.
class ImportPage : public UtilityPage
{
    Q_OBJECT
public:
    enum Type { Csv, NameAddress, ZelDatabase, Timesaver, TypeCount };

    ImportPage(AppState &state, QWidget *parent = nullptr);

    QRadioButton *type(Type t) const { return m_types[t]; }
    QLineEdit *delimiterBox() const { return m_delimiter; }
    QLineEdit *qualifierBox() const { return m_qualifier; }
    // Runs the import of the chosen type.
    void runImport();

private:
    QRadioButton *m_types[TypeCount];
    QLineEdit *m_delimiter;
    QLineEdit *m_qualifier;
};

} // namespace zel
