#pragma once

#include "core/campaign.h"

#include <QWidget>

namespace zel {

class AppState;

// One tab of the utilities screen. The screen tells every page which campaign it shows and asks
// each before moving to another campaign or closing.
class UtilityPage : public QWidget
{
    Q_OBJECT
public:
    UtilityPage(AppState &state, QWidget *parent = nullptr) : QWidget(parent), m_state(state) {}

    // The screen's campaign changed (also once when the screen opens).
    virtual void showCampaign(const Campaign &campaign) { Q_UNUSED(campaign) }
    // False keeps the screen on its campaign (after the page asked or told the user why).
    virtual bool mayLeave() { return true; }

protected:
    AppState &state() const { return m_state; }

private:
    AppState &m_state;
};

} // namespace zel
