#pragma once

#include "shell/ui/grid_delegate.h"

namespace zel {

// The products grid edits its cells with the common record-grid delegate.
using ProductsDelegate = GridDelegate;

} // namespace zel
