// The list box on screen: adding 10,000 rows of two cells to a visible list,
// and one full repaint of a visible list of 100,000 rows, of which only the
// rows in view are drawn. Each figure has its floor beside it: the same rows
// added to a list model without window, and the repaint of an empty list.
#include "runtime/core/module_instance.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/native_windows.h"
#include "runtime/ui/list_model.h"
#include "runtime/ui/system_pane_win32.h"
#include "tests/bench/bench.h"
#include "tests/core/image_data_builder.h"
#include "tests/ui/definition_builder.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr double add_target_ns = 50'000'000;
constexpr double repaint_target_ns = 2'000'000;
constexpr int added_rows = 10'000;
constexpr int repainted_rows = 100'000;

enum ClassIndex : std::int32_t { window_class, listbox_class };

void pump_messages() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

std::vector<zrt::StringRef> numbers(int count, int start) {
  std::vector<zrt::StringRef> texts;
  for (int i = 0; i < count; ++i) texts.push_back(zrt::StringRef::adopt(zrt::make_string(std::to_string(start + i))));
  return texts;
}

// Rows of two cells added through the routines, with the messages they leave
// (the scroll bar's update, the paint of the rows in view) handled.
zbench::Timing time_adding(ZObject* list, const std::vector<zrt::StringRef>& first,
                           const std::vector<zrt::StringRef>& second) {
  return zbench::measure([&] {
    RuntimeListEmpty(list);
    for (int row = 0; row < added_rows; ++row) {
      RuntimeListAddRow(list, first[static_cast<std::size_t>(row)].get());
      listSetCell(list, row, 1, second[static_cast<std::size_t>(row)].get());
    }
    pump_messages();
  });
}

zbench::Timing time_adding_to_a_model(const std::vector<zrt::StringRef>& first,
                                      const std::vector<zrt::StringRef>& second) {
  return zbench::measure([&] {
    zrt::ListModel model;
    for (int row = 0; row < added_rows; ++row) {
      model.add_row(first[static_cast<std::size_t>(row)].get(), zrt::plain_row);
      model.row(row).cell_for_writing(1).text = second[static_cast<std::size_t>(row)];
    }
  });
}

zbench::Timing time_repaint(HWND pane) {
  return zbench::measure([&] { ::RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
}

}  // namespace

int main() {
  zrt::set_module_instance(::GetModuleHandleA(nullptr));
  object_tests::ImageDataBuilder image;
  const std::vector<zrt::Address> classes = {image.runtime_class_reference("Window"),
                                             image.runtime_class_reference("Listbox")};
  definition_tests::DefinitionBuilder definition;
  definition.window(window_class, {{"Name", "main"}, {"Width", "560"}, {"Height", "530"}, {"Visible", "True"}},
                    {{listbox_class, {{"Name", "ListBox1"}, {"Left", "14"}, {"Top", "30"}, {"Width", "201"},
                                      {"Height", "488"}, {"TextFont", "Arial"}, {"TextSize", "12"},
                                      {"ColumnCount", "2"}, {"Hierarchical", "True"}, {"SelectionType", "1"},
                                      {"Enabled", "True"}, {"Visible", "True"}}}});
  const zrt::Address window_definition = image.bytes(definition.with_length());
  const zrt::Address descriptor = image.application_descriptor(classes, {});
  image.install_as_data1();
  RuntimeInit(reinterpret_cast<void*>(static_cast<std::uintptr_t>(descriptor)));

  ZObject* window = RuntimeCreateWindow(reinterpret_cast<void*>(static_cast<std::uintptr_t>(window_definition)), nullptr);
  zrt::run_window_pass();
  pump_messages();
  const zrt::StringRef name = zrt::StringRef::adopt(zrt::make_string("ListBox1"));
  ZObject* list = RuntimeControlFetch(window, name.get());
  HWND pane = zrt::system_pane_of(list)->handle();

  const std::vector<zrt::StringRef> first = numbers(repainted_rows, 1000);
  const std::vector<zrt::StringRef> second = numbers(added_rows, 7);
  zbench::report("10,000 rows of 2 cells into a list model", time_adding_to_a_model(first, second), add_target_ns);
  zbench::report("10,000 rows of 2 cells into a visible list", time_adding(list, first, second), add_target_ns);

  RuntimeListEmpty(list);
  pump_messages();
  zbench::report("repaint of an empty list", time_repaint(pane), repaint_target_ns);
  for (const zrt::StringRef& text : first) RuntimeListAddRow(list, text.get());
  pump_messages();
  zbench::report("repaint of a list of 100,000 rows", time_repaint(pane), repaint_target_ns);

  RuntimeCloseWindow(window);
  RuntimeUnlockObject(window);
  return 0;
}
