// The selected rows of a list as ordered, disjoint ranges (first row,
// number of rows), which stay right as rows are inserted and removed.
#pragma once

#include <cstdint>
#include <vector>

namespace zrt {

struct RowRange {
  std::int32_t first;
  std::int32_t count;
  [[nodiscard]] std::int32_t end() const { return first + count; }
  friend bool operator==(const RowRange&, const RowRange&) = default;
};

class ListSelection {
 public:
  [[nodiscard]] bool contains(std::int32_t row) const;
  // The lowest selected row, -1 for none.
  [[nodiscard]] std::int32_t lowest() const { return m_ranges.empty() ? -1 : m_ranges.front().first; }
  [[nodiscard]] std::int32_t count() const;
  [[nodiscard]] bool empty() const { return m_ranges.empty(); }
  [[nodiscard]] const std::vector<RowRange>& ranges() const { return m_ranges; }

  void add(std::int32_t row) { add_range(row, row + 1); }
  // Adds the rows first..last in either order.
  void add_span(std::int32_t first, std::int32_t last);
  void remove(std::int32_t row);
  void clear() { m_ranges.clear(); }

  // Rows inserted at a row push the ranges at or after it down, splitting
  // one that holds the row.
  void rows_inserted(std::int32_t at, std::int32_t count);
  // Rows removed leave the ranges and pull the later ones up; true when a
  // removed row was selected.
  bool rows_removed(std::int32_t at, std::int32_t count);

 private:
  void add_range(std::int32_t first, std::int32_t end);
  std::vector<RowRange> m_ranges;
};

}  // namespace zrt
