#include "runtime/ui/list_selection.h"

#include <algorithm>

namespace zrt {
namespace {

// The first range that ends after the row.
template <typename Ranges>
auto first_ending_after(Ranges& ranges, std::int32_t row) {
  return std::upper_bound(ranges.begin(), ranges.end(), row,
                          [](std::int32_t value, const RowRange& range) { return value < range.end(); });
}

}  // namespace

bool ListSelection::contains(std::int32_t row) const {
  const auto found = first_ending_after(m_ranges, row);
  return found != m_ranges.end() && found->first <= row;
}

std::int32_t ListSelection::count() const {
  std::int32_t total = 0;
  for (const RowRange& range : m_ranges) total += range.count;
  return total;
}

void ListSelection::add_span(std::int32_t first, std::int32_t last) {
  add_range(std::min(first, last), std::max(first, last) + 1);
}

// Merges the new rows with every range they touch or adjoin.
void ListSelection::add_range(std::int32_t first, std::int32_t end) {
  auto from = first_ending_after(m_ranges, first - 1);
  auto to = from;
  while (to != m_ranges.end() && to->first <= end) {
    first = std::min(first, to->first);
    end = std::max(end, to->end());
    ++to;
  }
  from = m_ranges.erase(from, to);
  m_ranges.insert(from, RowRange{first, end - first});
}

void ListSelection::remove(std::int32_t row) {
  auto found = first_ending_after(m_ranges, row);
  if (found == m_ranges.end() || found->first > row) return;
  const RowRange whole = *found;
  found = m_ranges.erase(found);
  if (row + 1 < whole.end()) found = m_ranges.insert(found, RowRange{row + 1, whole.end() - row - 1});
  if (row > whole.first) m_ranges.insert(found, RowRange{whole.first, row - whole.first});
}

void ListSelection::rows_inserted(std::int32_t at, std::int32_t count) {
  for (std::size_t i = 0; i < m_ranges.size(); ++i) {
    RowRange& range = m_ranges[i];
    if (range.first >= at) {
      range.first += count;
    } else if (range.end() > at) {
      const RowRange after{at + count, range.end() - at};
      range.count = at - range.first;
      m_ranges.insert(m_ranges.begin() + static_cast<std::ptrdiff_t>(i) + 1, after);
      ++i;
    }
  }
}

bool ListSelection::rows_removed(std::int32_t at, std::int32_t count) {
  const std::int32_t end = at + count;
  bool removed_selected = false;
  std::vector<RowRange> kept;
  for (const RowRange& range : m_ranges) {
    const std::int32_t overlap = std::min(range.end(), end) - std::max(range.first, at);
    if (overlap > 0) removed_selected = true;
    RowRange shifted{range.first, range.count - std::max(overlap, 0)};
    if (range.first >= end)
      shifted.first -= count;
    else if (range.first > at)
      shifted.first = at;
    if (shifted.count > 0) kept.push_back(shifted);
  }
  m_ranges.clear();
  for (const RowRange& range : kept) add_range(range.first, range.end());
  return removed_selected;
}

}  // namespace zrt
