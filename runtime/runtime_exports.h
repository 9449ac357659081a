// The runtime's own export table, built from every routine of the interface.
// It is made where the layers are joined, since its entries reference the
// routines of every layer; the start-up routines hand it to the core layer's
// loader and plug-in installation. It exists in the Windows build only, where
// every declared routine is defined.
#pragma once

#include "runtime/core/export_table.h"

namespace zrt {

[[nodiscard]] const ExportTable& runtime_exports();

}  // namespace zrt
