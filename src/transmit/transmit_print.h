#pragma once

#include "reports/report_page.h"

namespace zel {

class AppState;

namespace transmit {

// ms_Print_Transmit: rptOrderTransmit in page order, titled with the year and campaign of the
// order summary.
reports::Document layOutTransmitList(AppState &state, int year, int campaign);

} // namespace transmit
} // namespace zel
