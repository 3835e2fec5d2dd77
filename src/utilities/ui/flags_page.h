#pragma once

#include "utilities/ui/utility_page.h"

class QComboBox;
class QRadioButton;

namespace zel {

// Tab 2: setting or resetting a flag on every order of the campaign or every customer, and
// resetting a customer counter.
class FlagsPage : public UtilityPage
{
    Q_OBJECT
public:
    enum Flag { Summarized, Printed, Label, FlagCount };

    FlagsPage(AppState &state, QWidget *parent = nullptr);

    void showCampaign(const Campaign &campaign) override { m_campaign = campaign; }
    QRadioButton *flag(Flag f) const { return m_flags[f]; }
    QComboBox *counterBox() const { return m_counter; }
    void setFlag(bool on);
    void resetCounter();

private:
    QRadioButton *m_flags[FlagCount];
    QComboBox *m_counter;
    Campaign m_campaign;
};

} // namespace zel
