// The list box without a window: its selection ranges, column widths and
// rows, and its routines on a list whose pane only records what it is told.
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/list_actions.h"
#include "runtime/ui/list_columns.h"
#include "runtime/ui/list_editing.h"
#include "runtime/ui/list_input.h"
#include "runtime/ui/list_layout.h"
#include "runtime/ui/list_pane.h"
#include "tests/ui/control_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using control_tests::integer_of;
using control_tests::object_of;
using definition_tests::DefinitionBuilder;
using object_tests::routine_behaviour;
using enum control_tests::ClassIndex;
using zrt::RowRange;

namespace f = zif::listbox_fields;

TEST(ListSelection, KeepsItsRangesAcrossInsertionsAndRemovals) {
  struct Case {
    const char* what;
    std::vector<RowRange> before;
    bool insert;
    std::int32_t at;
    std::int32_t count;
    std::vector<RowRange> after;
    bool selected_removed;
  };
  const Case cases[] = {
      {"insert before a range shifts it", {{4, 2}}, true, 1, 3, {{7, 2}}, false},
      {"insert inside a range splits it", {{2, 4}}, true, 4, 2, {{2, 2}, {6, 2}}, false},
      {"insert at a range's first row shifts it whole", {{2, 4}}, true, 2, 1, {{3, 4}}, false},
      {"insert after every range changes nothing", {{2, 2}}, true, 9, 1, {{2, 2}}, false},
      {"remove a selected row shortens its range", {{2, 4}}, false, 3, 1, {{2, 3}}, true},
      {"remove between ranges joins them", {{1, 2}, {4, 2}}, false, 3, 1, {{1, 4}}, false},
      {"remove across two ranges", {{1, 2}, {4, 2}}, false, 2, 3, {{1, 2}}, true},
      {"remove a whole range", {{2, 1}, {5, 1}}, false, 2, 1, {{4, 1}}, true},
  };
  for (const Case& c : cases) {
    zrt::ListSelection selection;
    for (const RowRange& range : c.before) selection.add_span(range.first, range.end() - 1);
    bool removed = false;
    if (c.insert)
      selection.rows_inserted(c.at, c.count);
    else
      removed = selection.rows_removed(c.at, c.count);
    EXPECT_EQ(selection.ranges(), c.after) << c.what;
    EXPECT_EQ(removed, c.selected_removed) << c.what;
  }
}

TEST(ListSelection, AddsRemovesAndCountsRows) {
  zrt::ListSelection selection;
  selection.add(5);
  selection.add(3);
  selection.add(4);
  EXPECT_EQ(selection.ranges(), (std::vector<RowRange>{{3, 3}}));
  selection.remove(4);
  EXPECT_EQ(selection.ranges(), (std::vector<RowRange>{{3, 1}, {5, 1}}));
  EXPECT_EQ(selection.count(), 2);
  EXPECT_EQ(selection.lowest(), 3);
  EXPECT_TRUE(selection.contains(5));
  EXPECT_FALSE(selection.contains(4));
}

TEST(ListColumns, WidthsFollowTheSpecification) {
  struct Case {
    std::int32_t list_width;
    const char* widths_text;
    std::vector<std::int16_t> widths;
  };
  const Case cases[] = {
      {201, "", {92, 92}},
      {217, "30,40", {30, 40, 130}},
      {201, "50%,*", {92, 92}},
      {217, "50,*,20", {50, 0, 150}},
      {117, "500,10", {100, 0}},
      {117, "-5,10", {0, 100}},
      {10, "", {0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<std::int16_t> widths(c.widths.size());
    zrt::compute_column_widths(c.list_width, c.widths_text, widths);
    EXPECT_EQ(widths, c.widths) << c.list_width << " \"" << c.widths_text << '"';
  }
}

std::vector<std::string> texts_of(const zrt::ListModel& model, std::int32_t column = 0) {
  std::vector<std::string> texts;
  for (std::int32_t row = 0; row < model.count(); ++row) {
    const zrt::ListCell* cell = model.row(row).cell(column);
    texts.emplace_back(cell != nullptr ? cell->text.text() : "-");
  }
  return texts;
}

class ListModelTest : public object_tests::ObjectTest {
 protected:
  std::int32_t add(std::string_view text, zrt::RowState state = zrt::plain_row) {
    const zrt::StringRef made = zrt::StringRef::adopt(zrt::make_string(text));
    return m_model->add_row(made.get(), state);
  }
  void SetUp() override {
    ObjectTest::SetUp();
    m_model = std::make_unique<zrt::ListModel>();
  }
  void TearDown() override {
    m_model.reset();
    ObjectTest::TearDown();
  }
  std::unique_ptr<zrt::ListModel> m_model;
};

TEST_F(ListModelTest, RowsAddedWhileAFolderExpandsGoUnderItInOrder) {
  add("a", zrt::collapsed_folder);
  add("b", zrt::collapsed_folder);
  {
    const zrt::ListModel::Expansion outer(*m_model, 0);
    EXPECT_EQ(add("a1", zrt::collapsed_folder), 1);
    {
      const zrt::ListModel::Expansion inner(*m_model, 1);
      EXPECT_EQ(add("a1x"), 2);
    }
    EXPECT_EQ(add("a2"), 3);
  }
  EXPECT_EQ(add("c"), 5);
  EXPECT_EQ(texts_of(*m_model), (std::vector<std::string>{"a", "a1", "a1x", "a2", "b", "c"}));
  const std::vector<std::int16_t> indents = {0, 1, 2, 1, 0, 0};
  for (std::int32_t row = 0; row < m_model->count(); ++row) EXPECT_EQ(m_model->row(row).indent, indents[row]);
  EXPECT_EQ(m_model->descendants_end(0), 4);
}

TEST_F(ListModelTest, InsertingClampsAndKeepsTheSelectionOnItsRows) {
  add("b");
  m_model->selection().add(0);
  const zrt::StringRef first = zrt::StringRef::adopt(zrt::make_string("a"));
  const zrt::StringRef last = zrt::StringRef::adopt(zrt::make_string("z"));
  EXPECT_EQ(m_model->insert_row(-4, first.get()), 0);
  EXPECT_EQ(m_model->insert_row(99, last.get()), 2);
  EXPECT_EQ(texts_of(*m_model), (std::vector<std::string>{"a", "b", "z"}));
  EXPECT_EQ(m_model->selection().lowest(), 1);
}

TEST_F(ListModelTest, SortsBlocksByTheColumnWithMissingCellsFirst) {
  for (const char* text : {"3", "1", "2", "0"}) add(text, zrt::collapsed_folder);
  {
    const zrt::ListModel::Expansion expanding(*m_model, 0);
    add("3-child");
  }
  const zrt::StringRef b = zrt::StringRef::adopt(zrt::make_string("b"));
  const zrt::StringRef a = zrt::StringRef::adopt(zrt::make_string("a"));
  m_model->row(0).cell_for_writing(1).text = b;  // "3"
  m_model->row(3).cell_for_writing(1).text = a;  // "2"
  m_model->row(4).cell_for_writing(1).text = b;  // "0"; "1" has no cell
  m_model->selection().add(1);  // the child of "3"
  m_model->sort_blocks(1, &RuntimeStringCompare);
  EXPECT_EQ(texts_of(*m_model), (std::vector<std::string>{"1", "2", "3", "3-child", "0"}));
  EXPECT_EQ(m_model->sorted_column(), 1);
  EXPECT_EQ(m_model->selection().lowest(), 3);
}

TEST_F(ListModelTest, HeadingsStartAsFieldNumbersAndIgnoreOtherColumns) {
  EXPECT_EQ(zrt::string_text(m_model->heading(0)), "Field1");
  EXPECT_EQ(zrt::string_text(m_model->heading(63)), "Field64");
  EXPECT_EQ(m_model->heading(64), nullptr);
  const zrt::StringRef text = zrt::StringRef::adopt(zrt::make_string("Freq"));
  m_model->set_heading(64, text.get());
  m_model->set_heading(1, text.get());
  EXPECT_EQ(zrt::string_text(m_model->heading(1)), "Freq");
}

// A pane that records what the list tells it, 201 by 488 pixels with rows
// 18 high, and an edit field whose text the test types.
class RecordingListPane final : public zrt::Pane, public zrt::ListPane {
 public:
  explicit RecordingListPane(ZObject* list) : m_list(list) {}
  void set_bounds(zrt::Bounds, bool) override {}
  void state_command(std::int32_t) override {}
  void set_tool_tips(std::string_view, std::string_view) override {}
  void refresh(zrt::Bounds) override {}
  void take_focus() override {}
  void control_changed(std::int32_t field) override { changed_fields.push_back(field); }
  ZObject* make_graphics() override { return nullptr; }
  bool enabled() const override { return true; }
  bool visible() const override { return true; }
  zrt::ListGeometry geometry() const override { return zrt::list_geometry(m_list, 18, 488, top); }
  void rows_changed(std::int32_t first) override { changed_from.push_back(first); }
  void redraw_row(std::int32_t row) override { redrawn.push_back(row); }
  void scroll_into_view(std::int32_t row) override { scrolled_to = row; }
  void scroll_to(std::int32_t row) override { top = std::clamp(row, 0, std::max(model().count() - 27, 0)); }
  void show_edit_field(ZString* text) override { field = std::string(zrt::string_text(text)); }
  zrt::StringRef edit_field_text() const override { return zrt::StringRef::adopt(zrt::make_string(*field)); }
  void hide_edit_field() override { field.reset(); }

  std::vector<std::int32_t> changed_fields;
  std::vector<std::int32_t> changed_from;
  std::vector<std::int32_t> redrawn;
  std::int32_t scrolled_to = -1;
  std::int32_t top = 0;
  // The edit field's text while it is shown.
  std::optional<std::string> field;

 private:
  ZObject* m_list;
};

class ListRoutines : public control_tests::WindowWithControls {
 protected:
  void SetUp() override {
    WindowWithControls::SetUp();
    run_setter("listColumnCountSetter", [](auto a) { listColumnCountSetter(object_of(a[0]), 0, integer_of(a[2])); });
    run_setter("booleanSetter", [](auto a) { booleanSetter(object_of(a[0]), integer_of(a[1]), integer_of(a[2])); });
    DefinitionBuilder built;
    built.integer(1);
    built.control(handled_listbox_class, {{"Name", "ListBox1"}, {"Width", "201"}, {"Height", "488"},
                                          {"ColumnCount", "2"}, {"Hierarchical", "True"}, {"SelectionType", "1"}});
    built.integer(0);
    ASSERT_TRUE(create(built));
    m_list = fetch("ListBox1");
    m_pane = new RecordingListPane(m_list);
    zrt::ControlFields(m_list).set_pane(m_pane);
    zrt::lay_out_columns(m_list);  // as a pane does when it is built
  }

  static zrt::StringRef text(std::string_view value) { return zrt::StringRef::adopt(zrt::make_string(value)); }
  void add_row(std::string_view value) { RuntimeListAddRow(m_list, text(value).get()); }
  std::string cell(std::int32_t row, std::int32_t column) {
    const zrt::StringRef read = zrt::StringRef::adopt(listGetCell(m_list, row, column));
    return read.get() == nullptr ? "Nil" : std::string(read.text());
  }
  std::int32_t calls_of(zrt::CodeAddress handler) {
    return static_cast<std::int32_t>(std::count_if(object_tests::recorded_calls().begin(),
                                                   object_tests::recorded_calls().end(),
                                                   [&](const auto& call) { return call.routine == handler; }));
  }

  ZObject* m_list = nullptr;
  RecordingListPane* m_pane = nullptr;
};

TEST_F(ListRoutines, RowsAndCellsReadBackAndRowsOutOfRangeRaise) {
  add_row("1600");
  listSetCell(m_list, 0, 1, text("0.5").get());
  listSetCell(m_list, 0, 70, text("kept").get());
  EXPECT_EQ(cell(0, 0), "1600");
  EXPECT_EQ(cell(0, 1), "0.5");
  EXPECT_EQ(cell(0, 2), "Nil");
  EXPECT_EQ(cell(0, 70), "kept") << "cells beyond ColumnCount stay in the row";
  EXPECT_EQ(listCountGetter(m_list, 0), 1);
  EXPECT_EQ(listLastIndexGetter(m_list, 0), 0);
  RuntimeListInsertRow(m_list, 0, text("first").get());
  EXPECT_EQ(listLastIndexGetter(m_list, 0), 0);
  EXPECT_EQ(cell(1, 0), "1600");

  for (std::int32_t row : {-1, 2}) {
    EXPECT_EQ(object_tests::raised_class([&] { (void)listGetCell(m_list, row, 0); }), "OutOfBoundsException");
    EXPECT_EQ(object_tests::raised_class([&] { listSetCell(m_list, row, 0, nullptr); }), "OutOfBoundsException");
    EXPECT_EQ(object_tests::raised_class([&] { RuntimeRemoveRow(m_list, row); }), "OutOfBoundsException");
    EXPECT_EQ(object_tests::raised_class([&] { (void)listGetExpanded(m_list, row); }), "OutOfBoundsException");
  }
  EXPECT_EQ(listCountGetter(m_list, 0), 2);

  RuntimeListEmpty(m_list);
  EXPECT_EQ(listCountGetter(m_list, 0), 0);
  EXPECT_EQ(listSelectionGetter(m_list, 0), -1);
}

TEST_F(ListRoutines, ColumnCountIsClampedAndTheWidthsFollow) {
  EXPECT_EQ(zrt::column_width(m_list, 0), 92);
  EXPECT_EQ(zrt::column_width(m_list, 1), 92);
  for (const auto& [set, stored] : {std::pair{0, 1}, {100, 63}, {-1, 63}, {3, 3}}) {
    listColumnCountSetter(m_list, 0, set);
    EXPECT_EQ(listColumnCountGetter(m_list, 0), stored) << set;
  }
  listColumnWidthsSetter(m_list, 0, text("50%,*").get());
  EXPECT_EQ(zrt::column_width(m_list, 0), 92);
  EXPECT_EQ(zrt::column_width(m_list, 1), 0);
  EXPECT_EQ(zrt::column_width(m_list, 2), 92);
}

TEST_F(ListRoutines, SelectingReportsEachChangeOnceAndRemovingASelectedRowReportsIt) {
  for (const char* row : {"a", "b", "c"}) add_row(row);
  listSelectionSetter(m_list, 0, 2);
  EXPECT_EQ(listSelectionGetter(m_list, 0), 2);
  EXPECT_EQ(m_pane->scrolled_to, 2);
  EXPECT_EQ(calls_of(control_tests::change_handler), 1);

  // A Change handler that selects again does not raise Change inside itself.
  routine_behaviour()[control_tests::change_handler] = [&](auto) { listSelectionSetter(m_list, 0, 0); };
  listSelectionSetter(m_list, 0, 1);
  EXPECT_EQ(listSelectionGetter(m_list, 0), 0);
  EXPECT_EQ(calls_of(control_tests::change_handler), 2);
  routine_behaviour().erase(control_tests::change_handler);

  listSetSelected(m_list, 2, 1);
  EXPECT_EQ(listSelCountGetter(m_list, 0), 2);
  RuntimeRemoveRow(m_list, 1);
  EXPECT_EQ(calls_of(control_tests::change_handler), 3) << "an unselected row went quietly";
  RuntimeRemoveRow(m_list, 1);
  EXPECT_EQ(calls_of(control_tests::change_handler), 4);
  EXPECT_EQ(listSelCountGetter(m_list, 0), 1);
}

TEST_F(ListRoutines, ExpandingRaisesExpandRowWithRowsGoingUnderTheFolderAndCollapsingRemovesThem) {
  RuntimeListAddParent(m_list, text("folder").get());
  add_row("after");
  routine_behaviour()[control_tests::expand_row_handler] = [&](auto arguments) {
    EXPECT_EQ(integer_of(arguments[1]), 0);
    add_row("child 1");
    add_row("child 2");
  };
  listSetExpanded(m_list, 0, 1);
  listSetExpanded(m_list, 0, 1);
  EXPECT_EQ(calls_of(control_tests::expand_row_handler), 1) << "an open folder opens once";
  EXPECT_TRUE(listGetExpanded(m_list, 0));
  EXPECT_EQ(listLastIndexGetter(m_list, 0), 2);
  EXPECT_EQ(cell(1, 0), "child 1");
  EXPECT_EQ(cell(2, 0), "child 2");
  EXPECT_EQ(cell(3, 0), "after");

  listSetExpanded(m_list, 0, 0);
  EXPECT_EQ(calls_of(control_tests::collapse_row_handler), 1);
  EXPECT_FALSE(listGetExpanded(m_list, 0));
  EXPECT_EQ(listCountGetter(m_list, 0), 2);
  EXPECT_EQ(cell(1, 0), "after");
}

TEST_F(ListRoutines, AHeadingClickSortsWhenSortColumnDoesNot) {
  for (const char* row : {"b", "c", "a"}) add_row(row);
  zrt::sort_on_heading(m_list, *m_pane, 0);
  EXPECT_EQ(calls_of(control_tests::sort_column_handler), 1);
  EXPECT_EQ(listHeadingIndexGetter(m_list, 0), 0);
  EXPECT_EQ(cell(0, 0) + cell(1, 0) + cell(2, 0), "abc");
}

TEST_F(ListRoutines, EachPartOfARowIsFoundWhereItIsDrawn) {
  // A collapsed folder with a picture and a check box in column 0, and a
  // child one level deeper; column 1 is editable.
  zrt::ListModel& model = m_pane->model();
  RuntimeListAddParent(m_list, text("folder").get());
  model.row(0).picture = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("Picture")));
  model.row(0).cell_for_writing(0).type = zrt::check_box_cell;
  {
    const zrt::ListModel::Expansion expanding(model, 0);
    add_row("child");
  }
  const std::int16_t widths[] = {92, 92};
  std::uint8_t column_types[64] = {zrt::default_cell, zrt::editable_cell};
  zrt::ListGeometry geometry;
  geometry.row_height = 18;
  geometry.heading_height = 18;
  geometry.height = 488;
  geometry.hierarchical = true;
  geometry.widths = widths;
  geometry.column_types = column_types;

  using enum zrt::ListPart;
  struct Case {
    std::int32_t x, y;
    zrt::ListHit hit;
  };
  const Case cases[] = {
      {100, 5, {heading, -1, 1}},  {190, 5, {heading, -1, -1}},
      {8, 20, {triangle, 0, 0}},   // indent 0: the triangle at 5..16
      {30, 20, {cell, 0, 0}},      // the picture at 22..37 takes no click
      {45, 20, {check_box, 0, 0}}, // after the picture, at 40..51
      {60, 20, {cell, 0, 0}},      {100, 20, {editable_cell, 0, 1}},
      {8, 40, {cell, 1, 0}},       // no triangle on a plain row
      {190, 40, {cell, 1, -1}},    {50, 60, {below_rows, 2, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(zrt::hit_test(geometry, model, c.x, c.y), c.hit) << c.x << "," << c.y;
  EXPECT_EQ(zrt::lay_out_cell(geometry, model.row(0), 0).text_left, 54);
  EXPECT_EQ(zrt::lay_out_cell(geometry, model.row(1), 0).text_left, 34) << "indented 12 per level plus 20";
  EXPECT_EQ(zrt::lay_out_cell(geometry, model.row(1), 1).text_left, 94);

  EXPECT_EQ(zrt::fit_picture(32, 16, 0, 0, 16), (zrt::PictureFit{0, 4, 16, 8}));
  EXPECT_EQ(zrt::fit_picture(10, 40, 0, 0, 16), (zrt::PictureFit{6, 0, 4, 16}));
  EXPECT_EQ(zrt::fit_picture(8, 8, 10, 20, 16), (zrt::PictureFit{14, 24, 8, 8})) << "never scaled up";
}

// Rows are 18 pixels high and the list has no heading: the middle of row r.
constexpr std::int32_t middle_of(std::int32_t row) { return 18 * row + 9; }

TEST_F(ListRoutines, ClicksSelectExtendToggleAndDoubleClick) {
  for (int row = 0; row < 10; ++row) add_row("row " + std::to_string(row));
  struct Press {
    const char* what;
    std::int32_t row;
    std::uint32_t modifiers;
    std::uint32_t time;
    std::vector<RowRange> selection;
    std::int32_t changes;
    std::int32_t double_clicks;
  };
  const Press presses[] = {
      {"a click selects", 2, 0, 0, {{2, 1}}, 1, 0},
      {"a second click in time double-clicks", 2, 0, 400, {{2, 1}}, 1, 1},
      {"a third click is a first again", 2, 0, 800, {{2, 1}}, 1, 1},
      {"Shift extends from the anchor", 5, zrt::list_shift_modifier, 1000, {{2, 4}}, 2, 1},
      {"the toggle bit takes a row out", 3, zrt::list_toggle_modifier, 2000, {{2, 1}, {4, 2}}, 3, 1},
      {"the toggle bit puts it back", 3, zrt::list_toggle_modifier, 3000, {{2, 4}}, 4, 1},
      {"a click below the rows selects none", 12, 0, 4000, {}, 5, 1},
      {"a click after the double-click time", 1, 0, 5000, {{1, 1}}, 6, 1},
      {"is no double click", 1, 0, 5600, {{1, 1}}, 6, 1},
      {"other modifiers are no double click", 1, zrt::list_shift_modifier, 5700, {{1, 1}}, 6, 1},
  };
  for (const Press& press : presses) {
    zrt::press_list(m_list, *m_pane, 30, middle_of(press.row), press.modifiers, press.time, 500);
    zrt::release_list(*m_pane);
    EXPECT_EQ(m_pane->model().selection().ranges(), press.selection) << press.what;
    EXPECT_EQ(calls_of(control_tests::change_handler), press.changes) << press.what;
    EXPECT_EQ(calls_of(control_tests::double_click_handler), press.double_clicks) << press.what;
  }
}

TEST_F(ListRoutines, FolderTrianglesCheckBoxesAndEditableCellsTakeTheClick) {
  RuntimeListAddParent(m_list, text("folder").get());
  add_row("plain");
  listColumnTypeSetter(m_list, 1, zrt::check_box_cell);
  listCellTypeSetter(m_list, 1, 0, zrt::editable_cell);
  std::uint32_t time = 0;
  const auto press = [&](std::int32_t x, std::int32_t row) {
    time += 1000;
    zrt::press_list(m_list, *m_pane, x, middle_of(row), 0, time, 500);
    zrt::release_list(*m_pane);
  };
  press(8, 0);
  EXPECT_TRUE(listGetExpanded(m_list, 0)) << "the triangle opens the folder";
  EXPECT_EQ(calls_of(control_tests::expand_row_handler), 1);
  press(98, 1);  // column 1 starts at 92, its check box 2 pixels in
  EXPECT_TRUE(listCellCheckGetter(m_list, 1, 1));
  EXPECT_EQ(calls_of(control_tests::cell_action_handler), 1);
  EXPECT_EQ(listSelCountGetter(m_list, 0), 0) << "a check box click selects nothing";

  press(60, 1);
  EXPECT_FALSE(m_pane->field) << "the first click on an editable cell selects its row";
  EXPECT_EQ(listSelectionGetter(m_list, 0), 1);
  press(60, 1);
  ASSERT_TRUE(m_pane->field);
  EXPECT_EQ(*m_pane->field, "plain");
  EXPECT_EQ(m_pane->model().editing.row, 1);

  struct Finish {
    std::optional<std::string> typed;  // none: Escape
    const char* cell;
    std::int32_t cell_actions;
  };
  const Finish finishes[] = {{"edited", "edited", 2}, {"edited", "edited", 2}, {std::nullopt, "edited", 2}, {"x", "x", 3}};
  for (const Finish& finish : finishes) {
    listEditCell(m_list, 1, 0);
    m_pane->field = finish.typed.value_or("dropped");
    zrt::finish_cell_edit(m_list, *m_pane, finish.typed.has_value());
    EXPECT_FALSE(m_pane->field);
    EXPECT_EQ(cell(1, 0), finish.cell);
    EXPECT_EQ(calls_of(control_tests::cell_action_handler), finish.cell_actions) << "only a change is reported";
  }

  listEditCell(m_list, 1, 5);
  EXPECT_EQ(*m_pane->field, "") << "a column without cell edits empty text";
  RuntimeListInsertRow(m_list, 0, text("above").get());
  EXPECT_EQ(m_pane->model().editing.row, 2) << "the editing follows its row";
  RuntimeRemoveRow(m_list, 2);
  EXPECT_EQ(m_pane->model().editing.row, -1) << "and ends with it";
  EXPECT_EQ(object_tests::raised_class([&] { listEditCell(m_list, 3, 0); }), "OutOfBoundsException");
}

class AnsweringListRoutines : public ListRoutines {
 protected:
  using Answer = std::function<zrt::Word(std::span<const zrt::Word>)>;
  static std::map<zrt::CodeAddress, Answer>& answers() {
    static std::map<zrt::CodeAddress, Answer> held;
    return held;
  }
  // Records every call like the tests' caller, and answers some.
  static zrt::Word answering_call(zrt::CodeAddress routine, std::span<const zrt::Word> arguments) {
    const zrt::Word recorded = object_tests::record_call(routine, arguments);
    const auto found = answers().find(routine);
    return found != answers().end() ? found->second(arguments) : recorded;
  }
  void SetUp() override {
    ListRoutines::SetUp();
    answers().clear();
    zrt::set_code_caller(&answering_call);
  }
  void TearDown() override {
    answers().clear();
    ListRoutines::TearDown();
  }
};

TEST_F(AnsweringListRoutines, DraggingSelectsAndScrollsOrOffersTheRowToDragRow) {
  for (int row = 0; row < 60; ++row) add_row("row " + std::to_string(row));
  ASSERT_TRUE(zrt::press_list(m_list, *m_pane, 30, middle_of(2), 0, 0, 500));
  EXPECT_TRUE(zrt::drag_list(m_list, *m_pane, 30, middle_of(5)));
  EXPECT_EQ(m_pane->model().selection().ranges(), (std::vector<RowRange>{{2, 4}}));
  EXPECT_TRUE(zrt::drag_list(m_list, *m_pane, 30, 600));
  EXPECT_EQ(m_pane->top, 1) << "below the rows the list scrolls a row";
  EXPECT_EQ(m_pane->model().selection().ranges(), (std::vector<RowRange>{{2, 27}}));
  zrt::release_list(*m_pane);
  EXPECT_EQ(calls_of(control_tests::drag_row_handler), 0) << "without EnableDrag no row is dragged";

  listEnableDragSetter(m_list, 0, 1);
  bool taken = false;
  answers()[control_tests::drag_row_handler] = [&](auto arguments) {
    EXPECT_EQ(zrt::class_of(object_of(arguments[1])), &zrt::runtime_class("DragItem"));
    EXPECT_EQ(integer_of(arguments[2]), 10);
    return zrt::Word{taken};
  };
  for (const bool handler_takes : {false, true}) {
    taken = handler_takes;
    const std::int32_t drags = calls_of(control_tests::drag_row_handler);
    ASSERT_TRUE(zrt::press_list(m_list, *m_pane, 30, middle_of(9), 0, 10000, 500));  // row 10, scrolled by 1
    EXPECT_TRUE(zrt::drag_list(m_list, *m_pane, 32, middle_of(9) + 2)) << "a small move drags nothing";
    EXPECT_EQ(zrt::drag_list(m_list, *m_pane, 30, middle_of(11)), !handler_takes);
    EXPECT_EQ(calls_of(control_tests::drag_row_handler), drags + 1);
    EXPECT_EQ(listSelCountGetter(m_list, 0), handler_takes ? 1 : 3) << "a row the handler took selects no more";
    zrt::release_list(*m_pane);
  }
}

TEST_F(ListRoutines, RemovingRowsAboveTheViewKeepsTheRowsInView) {
  for (int row = 0; row < 60; ++row) add_row("row " + std::to_string(row));
  m_pane->scroll_to(20);
  RuntimeRemoveRow(m_list, 25);
  EXPECT_EQ(m_pane->top, 20) << "a row in view goes without scrolling";
  RuntimeRemoveRow(m_list, 3);
  EXPECT_EQ(m_pane->top, 19);
  zrt::remove_list_rows(m_list, *m_pane, 15, 10);
  EXPECT_EQ(m_pane->top, 15) << "rows from above to inside the view scroll by those above";
  EXPECT_EQ(cell(15, 0), "row 27");
}

TEST_F(ListRoutines, KeysMoveTheSelectionAndScrollItIntoView) {
  using enum zrt::ListKey;
  for (int row = 0; row < 60; ++row) add_row("row " + std::to_string(row));
  // 488 pixels hold 27 rows of 18.
  const std::pair<zrt::ListKey, std::int32_t> keys[] = {{down, 0}, {down, 1}, {end, 59}, {page_up, 32}, {up, 31},
                                                        {home, 0}, {up, 0},   {page_down, 27}};
  for (const auto& [key, row] : keys) {
    zrt::press_list_key(m_list, *m_pane, key);
    EXPECT_EQ(listSelectionGetter(m_list, 0), row);
    EXPECT_EQ(m_pane->scrolled_to, row);
  }
}

TEST_F(AnsweringListRoutines, ABoundListShowsTheSourcesRowsAndIsNotEdited) {
  const zrt::ObjectRef source =
      zrt::ObjectRef::adopt(zrt::new_instance(*zrt::class_at_index(control_tests::list_source_class)));
  std::int32_t asked_row = -1;
  answers()[control_tests::get_row_method] = [&](auto arguments) {
    asked_row = integer_of(arguments[1]);
    return zrt::word_of_pointer(zrt::share_object(source.get()));
  };
  answers()[control_tests::field_count_method] = [](auto) { return zrt::Word{2}; };
  answers()[control_tests::get_ind_string_method] = [&](auto arguments) {
    return zrt::word_of_pointer(
        zrt::make_string("r" + std::to_string(asked_row) + "f" + std::to_string(integer_of(arguments[1]))));
  };
  add_row("own row");
  listSelectionSetter(m_list, 0, 0);
  listBindList(m_list, source.get());
  EXPECT_EQ(listCountGetter(m_list, 0), 0) << "binding drops the list's own rows";
  EXPECT_EQ(calls_of(control_tests::change_handler), 2) << "and reports the selection they took";
  listDataInsertedRow(m_list, 0);
  listDataInsertedRow(m_list, 0);
  listDataInsertedRow(m_list, 9);
  EXPECT_EQ(listCountGetter(m_list, 0), 3);
  EXPECT_EQ(cell(1, 0), "r1f1");
  EXPECT_EQ(cell(2, 1), "r2f2");
  EXPECT_EQ(cell(2, 2), "Nil") << "the source row has two fields";
  zrt::StringRef first_field = zrt::StringRef::adopt(RuntimeGetRow(m_list, 0));
  EXPECT_EQ(first_field.text(), "r0f1");

  // Editing does nothing, by routine or by the user.
  add_row("ignored");
  listSetCell(m_list, 0, 0, text("ignored").get());
  RuntimeRemoveRow(m_list, 0);
  listEditCell(m_list, 0, 0);
  zrt::toggle_cell_check(m_list, *m_pane, 0, 0);
  zrt::sort_on_heading(m_list, *m_pane, 1);
  EXPECT_EQ(listCountGetter(m_list, 0), 3);
  EXPECT_EQ(cell(0, 0), "r0f1");
  EXPECT_FALSE(m_pane->field);
  EXPECT_FALSE(listCellCheckGetter(m_list, 0, 0));

  listDataRemovedRow(m_list, 1);
  listDataRemovedRow(m_list, 7);
  EXPECT_EQ(listCountGetter(m_list, 0), 2);
  const zrt::ObjectRef part = zrt::ObjectRef::adopt(listGetBoundPart(m_list, text("any").get()));
  EXPECT_EQ(part.get(), source.get());
}

}  // namespace
