#pragma once

#include <QString>

namespace zel {
class cDataAccess;
}

namespace zel::reports {

// "Customer 12 - Ann Adams": the line that names the customer under the title of her own reports.
QString customerTitleLine(cDataAccess &data, int customer);

} // namespace zel::reports
