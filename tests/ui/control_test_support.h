// A fixture for the control framework on the host: runtime classes whose
// routines have made-up addresses (the setters that definitions use run the
// real routine), a class table with the built-in kinds and two subclasses
// with handlers, and a window object whose controls the tests create from
// definition streams.
#pragma once

#include "runtime/interface/exports.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/window_controls.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"
#include "tests/ui/definition_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace control_tests {

using definition_tests::DefinitionBuilder;
using object_tests::routine_behaviour;

// Each routine gets a made-up address; the setters the definitions use run
// the real routine with the recorded arguments.
inline zrt::CodeAddress routine_address(std::string_view name) {
  static std::map<std::string, zrt::CodeAddress, std::less<>> addresses;
  auto found = addresses.find(name);
  if (found == addresses.end()) found = addresses.emplace(std::string(name), 0x2000 + 16 * addresses.size()).first;
  return found->second;
}

inline ZObject* object_of(zrt::Word word) { return zrt::pointer_of<ZObject>(word); }
inline std::int32_t integer_of(zrt::Word word) { return static_cast<std::int32_t>(word); }

// The class table: the three runtime kinds, then a canvas and a static text
// subclass whose pointer-tracking handlers are at made-up addresses, then the
// list box and a subclass with the list's handlers, a data source for a
// list whose methods are at made-up addresses, and the window.
enum ClassIndex : std::int32_t {
  static_text_class,
  canvas_class,
  push_button_class,
  tracked_canvas_class,
  tracked_text_class,
  listbox_class,
  handled_listbox_class,
  list_source_class,
  window_class
};

inline constexpr zrt::CodeAddress mouse_enter_handler = 0x6001;
inline constexpr zrt::CodeAddress mouse_move_handler = 0x6002;
inline constexpr zrt::CodeAddress mouse_exit_handler = 0x6003;
inline constexpr zrt::CodeAddress change_handler = 0x6101;
inline constexpr zrt::CodeAddress expand_row_handler = 0x6102;
inline constexpr zrt::CodeAddress collapse_row_handler = 0x6103;
inline constexpr zrt::CodeAddress sort_column_handler = 0x6104;
inline constexpr zrt::CodeAddress double_click_handler = 0x6105;
inline constexpr zrt::CodeAddress cell_action_handler = 0x6106;
inline constexpr zrt::CodeAddress drag_row_handler = 0x6107;
inline constexpr zrt::CodeAddress get_row_method = 0x6201;
inline constexpr zrt::CodeAddress field_count_method = 0x6202;
inline constexpr zrt::CodeAddress get_ind_string_method = 0x6203;

class WindowWithControls : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    zrt::unregister_runtime_classes();
    zrt::register_runtime_classes(&routine_address);
    run_setter("stringSetter", [](auto a) { stringSetter(object_of(a[0]), integer_of(a[1]), zrt::pointer_of<ZString>(a[2])); });
    run_setter("integerSetter", [](auto a) { integerSetter(object_of(a[0]), integer_of(a[1]), integer_of(a[2])); });
    run_setter("ctlPosSetter", [](auto a) { ctlPosSetter(object_of(a[0]), integer_of(a[1]), integer_of(a[2])); });
    run_setter("controlLockTopSetter", [](auto a) { controlLockTopSetter(object_of(a[0]), 0, integer_of(a[2])); });
    run_setter("controlLockRightSetter", [](auto a) { controlLockRightSetter(object_of(a[0]), 0, integer_of(a[2])); });
    run_setter("staticCaptionSetter", [](auto a) { staticCaptionSetter(object_of(a[0]), 0, zrt::pointer_of<ZString>(a[2])); });
    std::vector<zrt::Address> classes = {m_image.runtime_class_reference("StaticText"),
                                         m_image.runtime_class_reference("Canvas"),
                                         m_image.runtime_class_reference("PushButton")};
    for (const auto& [kind, size] : {std::pair{canvas_class, 100u}, std::pair{static_text_class, 116u}}) {
      auto tracked = object_tests::class_described("", static_cast<std::uint32_t>(kind), size);
      tracked.handlers = {{"MouseEnter", mouse_enter_handler, 0},
                          {"MouseMove", mouse_move_handler, 0},
                          {"MouseExit", mouse_exit_handler, 0}};
      classes.push_back(m_image.class_descriptor(tracked));
    }
    classes.push_back(m_image.runtime_class_reference("Listbox"));
    auto handled = object_tests::class_described("", listbox_class, zif::listbox_fields::instance_size);
    handled.handlers = {{"Change", change_handler, 0},
                        {"ExpandRow", expand_row_handler, 0},
                        {"CollapseRow", collapse_row_handler, 0},
                        {"SortColumn", sort_column_handler, 0},
                        {"DoubleClick", double_click_handler, 0},
                        {"CellAction", cell_action_handler, 0},
                        {"DragRow", drag_row_handler, 0}};
    classes.push_back(m_image.class_descriptor(handled));
    auto source = object_tests::class_described("ListSource");
    source.methods = {{"GetRow", get_row_method}, {"FieldCount", field_count_method},
                      {"getIndString", get_ind_string_method}};
    classes.push_back(m_image.class_descriptor(source));
    classes.push_back(m_image.runtime_class_reference("Window"));
    const zrt::Address descriptor = m_image.application_descriptor(classes, {});
    ASSERT_TRUE(zrt::build_class_table(m_image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
    m_window = zrt::new_instance(zrt::runtime_class("Window"));
  }

  void TearDown() override {
    zrt::close_window_controls(m_window);
    zrt::unlock_object(m_window);
    ObjectTest::TearDown();
  }

  static void run_setter(std::string_view name, std::function<void(std::span<const zrt::Word>)> behaviour) {
    routine_behaviour()[routine_address(name)] = std::move(behaviour);
  }

  bool create(const DefinitionBuilder& built) {
    zrt::DefinitionStream stream(built.bytes());
    const bool read = zrt::read_window_controls(m_window, stream);
    EXPECT_TRUE(stream.at_end());
    return read;
  }

  ZObject* fetch(std::string_view name) {
    const zrt::StringRef key = zrt::StringRef::adopt(zrt::make_string(name));
    return RuntimeControlFetch(m_window, key.get());
  }

  static zrt::Bounds bounds_of(ZObject* control) { return zrt::ControlFields(control).bounds(); }

  object_tests::ImageDataBuilder m_image;
  ZObject* m_window = nullptr;
};

}  // namespace control_tests
