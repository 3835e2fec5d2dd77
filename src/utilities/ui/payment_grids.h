#pragma once

#include "payments/payment_posting.h"
#include "shell/ui/grid_column.h"

#include <vector>

namespace zel {

// The columns of the two posting grids. A typed amount passes through the grid's negative-sign
// box, read when the amount is typed.
std::vector<GridColumn<WorkPayment>> ordersToPayColumns(const bool &autoNegative);
std::vector<GridColumn<WorkPayment>> paymentsOnFileColumns(const bool &autoNegative);

} // namespace zel
