// A list bound to a data source (BindList) shows the source's rows: the
// source tells the list of rows inserted and removed (listDataInsertedRow,
// listDataRemovedRow), and the cells are read from it. A row of the source
// is its "GetRow" (row); a cell is that row's "getIndString" (column + 1),
// when the row has that many fields ("FieldCount").
#pragma once

#include "runtime/core/strings.h"
#include "runtime/ui/list_model.h"

#include <cstdint>

namespace zrt {

[[nodiscard]] bool is_bound(ZObject* list);

// The text a row of the list shows in a column: the source's while one is
// bound, else the model's cell's; null for none.
[[nodiscard]] StringRef shown_cell_text(ZObject* list, const ListModel& model, std::int32_t row,
                                        std::int32_t column);

}  // namespace zrt
