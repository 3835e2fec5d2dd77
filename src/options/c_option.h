#pragma once

#include <QDate>

namespace zel {

// The representative's settings from the single Options row. Only the current-campaign settings
// are held so far; the other settings join them with the options screen.
class cOption
{
public:
    int CurrentCampaignNumber = 0;
    int CurrentCampaignYear = QDate::currentDate().year();
    int LastCampaignNumberOfYear = 30;

    // Moves the current campaign within 1 to 30, never changing the year. Returns false and changes
    // nothing at either end, where the caller sounds a beep; the caller saves a change.
    bool CampaignIncrement();
    bool CampaignDecrement();
};

} // namespace zel
