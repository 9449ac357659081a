#include "runtime/ui/list_model.h"

#include <algorithm>
#include <string>

namespace zrt {

const ListCell* ListRow::cell(std::int32_t column) const {
  for (const ListCell& candidate : cells)
    if (candidate.column == column) return &candidate;
  return nullptr;
}

ListCell& ListRow::cell_for_writing(std::int32_t column) {
  for (ListCell& candidate : cells)
    if (candidate.column == column) return candidate;
  ListCell& cell = cells.emplace_back();
  cell.column = column;
  return cell;
}

ListModel::ListModel() {
  for (std::int32_t column = 0; column < list_column_slots; ++column)
    m_headings[static_cast<std::size_t>(column)] = StringRef::adopt(make_string("Field" + std::to_string(column + 1)));
}

std::int32_t ListModel::place_row(std::int32_t at, std::int16_t indent, ZString* text, RowState state) {
  ListRow row;
  row.state = state;
  row.indent = indent;
  row.cells.emplace_back().text = StringRef::share(text);
  m_rows.insert(m_rows.begin() + at, std::move(row));
  m_selection.rows_inserted(at, 1);
  if (m_expanding_row >= at) ++m_expanding_row;
  if (editing.row >= at) ++editing.row;
  return at;
}

std::int32_t ListModel::add_row(ZString* text, RowState state) {
  if (m_expanding_row < 0 || !holds(m_expanding_row)) return place_row(count(), 0, text, state);
  const auto indent = static_cast<std::int16_t>(row(m_expanding_row).indent + 1);
  return place_row(descendants_end(m_expanding_row), indent, text, state);
}

std::int32_t ListModel::add_folder(ZString* text) {
  const std::lock_guard<std::mutex> lock(m_adding);
  return add_row(text, collapsed_folder);
}

std::int32_t ListModel::insert_row(std::int32_t at, ZString* text) {
  return place_row(std::clamp(at, 0, count()), 0, text, plain_row);
}

bool ListModel::remove_rows(std::int32_t at, std::int32_t count) {
  m_rows.erase(m_rows.begin() + at, m_rows.begin() + at + count);
  if (m_expanding_row >= at + count)
    m_expanding_row -= count;
  else if (m_expanding_row >= at)
    m_expanding_row = -1;
  if (anchor >= at) anchor = anchor >= at + count ? anchor - count : -1;
  if (editing.row >= at) editing.row = editing.row >= at + count ? editing.row - count : -1;
  return m_selection.rows_removed(at, count);
}

void ListModel::clear() {
  m_selection.clear();
  m_rows.clear();
  anchor = -1;
  editing.row = -1;
}

std::int32_t ListModel::descendants_end(std::int32_t folder) const {
  const std::int16_t indent = row(folder).indent;
  std::int32_t end = folder + 1;
  while (end < count() && row(end).indent > indent) ++end;
  return end;
}

void ListModel::sort_blocks(std::int32_t column, TextOrder order) {
  m_sorted_column = column;
  struct Block {
    std::int32_t first;
    std::int32_t end;
    ZString* key;
  };
  std::vector<Block> blocks;
  for (std::int32_t first = 0; first < count();) {
    std::int32_t end = first + 1;
    while (end < count() && row(end).indent > 0) ++end;
    const ListCell* cell = row(first).cell(column);
    blocks.push_back({first, end, cell != nullptr ? cell->text.get() : nullptr});
    first = end;
  }
  std::stable_sort(blocks.begin(), blocks.end(),
                   [&](const Block& a, const Block& b) { return order(a.key, b.key) < 0; });
  std::vector<ListRow> sorted;
  sorted.reserve(m_rows.size());
  ListSelection selection;
  for (const Block& block : blocks) {
    for (std::int32_t i = block.first; i < block.end; ++i) {
      if (m_selection.contains(i)) selection.add(static_cast<std::int32_t>(sorted.size()));
      sorted.push_back(std::move(row(i)));
    }
  }
  m_rows = std::move(sorted);
  m_selection = std::move(selection);
  anchor = -1;
  editing.row = -1;
}

ListModel::Expansion::Expansion(ListModel& model, std::int32_t folder)
    : m_model(model), m_outer(model.m_expanding_row) {
  m_model.m_expanding_row = folder;
}

ListModel::Expansion::~Expansion() { m_model.m_expanding_row = m_outer; }

ZString* ListModel::heading(std::int32_t column) const {
  if (column < 0 || column >= list_column_slots) return nullptr;
  return m_headings[static_cast<std::size_t>(column)].get();
}

void ListModel::set_heading(std::int32_t column, ZString* text) {
  if (column < 0 || column >= list_column_slots) return;
  m_headings[static_cast<std::size_t>(column)] = StringRef::share(text);
}

}  // namespace zrt
