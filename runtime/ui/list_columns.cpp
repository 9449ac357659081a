#include "runtime/ui/list_columns.h"

#include "runtime/ui/property_values.h"

#include <algorithm>

namespace zrt {

void compute_column_widths(std::int32_t list_width, std::string_view widths_text,
                           std::span<std::int16_t> widths) {
  const std::int32_t room = std::max(list_width - list_scroll_bar_width, 0);
  const auto columns = static_cast<std::int32_t>(widths.size());
  std::int32_t remaining = room;
  for (std::int32_t i = 0; i < columns; ++i) {
    std::int32_t width = remaining / (columns - i);
    if (!widths_text.empty()) {
      const std::size_t comma = widths_text.find(',');
      const std::string_view item = widths_text.substr(0, comma);
      widths_text = comma == std::string_view::npos ? std::string_view{} : widths_text.substr(comma + 1);
      if (!item.empty()) {
        width = std::max(integer_of_value_text(item), 0);
        if (item.back() == '%') width = width * room / 100;
      }
    }
    width = std::min(width, remaining);
    widths[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(width);
    remaining -= width;
  }
  if (columns > 0) widths[static_cast<std::size_t>(columns - 1)] += static_cast<std::int16_t>(remaining);
}

}  // namespace zrt
