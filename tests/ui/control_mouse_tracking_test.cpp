// The pointer over a window's controls: MouseEnter once, MouseMove on every
// move (canvas-relative for a canvas), MouseExit when the pointer leaves a
// control, its pane is hidden or the pointer leaves the window.
#include "runtime/ui/control_mouse_tracking.h"
#include "tests/ui/control_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using control_tests::WindowWithControls;
using definition_tests::DefinitionBuilder;
using enum control_tests::ClassIndex;

// A pane that only says whether it is shown.
class ShownPane final : public zrt::Pane {
 public:
  void set_bounds(zrt::Bounds, bool) override {}
  void state_command(std::int32_t) override {}
  void set_tool_tips(std::string_view, std::string_view) override {}
  void refresh(zrt::Bounds) override {}
  void take_focus() override {}
  void control_changed(std::int32_t) override {}
  ZObject* make_graphics() override { return nullptr; }
  bool enabled() const override { return true; }
  bool visible() const override { return shown; }

  bool shown = true;
};

class PointerOverControls : public WindowWithControls {
 protected:
  void SetUp() override {
    WindowWithControls::SetUp();
    DefinitionBuilder built;
    built.integer(3);
    built.control(tracked_canvas_class, {{"Name", "Plot"}, {"Left", "10"}, {"Top", "10"}, {"Width", "100"}, {"Height", "50"}});
    built.control(tracked_text_class, {{"Name", "Label"}, {"Left", "20"}, {"Top", "20"}, {"Width", "50"}, {"Height", "20"}});
    built.control(push_button_class, {{"Name", "Quit"}, {"Left", "0"}, {"Top", "0"}, {"Width", "200"}, {"Height", "100"}});
    built.integer(0);
    ASSERT_TRUE(create(built));
    for (const char* name : {"Plot", "Label", "Quit"}) zrt::ControlFields(fetch(name)).set_pane(new ShownPane);
    m_plot = fetch("Plot");
    m_label = fetch("Label");
  }

  // The pointer events raised since the last call, as "Enter Plot",
  // "Move Label 30 30".
  std::vector<std::string> raised() {
    std::vector<std::string> lines;
    for (const object_tests::RecordedCall& call : object_tests::recorded_calls()) {
      const char* event = call.routine == control_tests::mouse_enter_handler  ? "Enter"
                          : call.routine == control_tests::mouse_move_handler ? "Move"
                          : call.routine == control_tests::mouse_exit_handler ? "Exit"
                                                                               : nullptr;
      if (event == nullptr) continue;
      std::string line = std::string(event) + (zrt::pointer_of<ZObject>(call.arguments[0]) == m_plot ? " Plot" : " Label");
      for (std::size_t i = 1; i < call.arguments.size(); ++i)
        line += " " + std::to_string(static_cast<std::int32_t>(call.arguments[i]));
      lines.push_back(line);
    }
    object_tests::recorded_calls().clear();
    return lines;
  }

  ShownPane& pane_of(ZObject* control) { return *static_cast<ShownPane*>(zrt::ControlFields(control).pane()); }

  ZObject* m_plot = nullptr;
  ZObject* m_label = nullptr;
};

TEST_F(PointerOverControls, EnterOnceMoveEachTimeAndExitWhenThePointerLeavesAControl) {
  static_cast<void>(raised());
  zrt::track_pointer_over_controls(m_window, 30, 30);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Enter Plot", "Move Plot 20 20", "Enter Label", "Move Label 30 30"}))
      << "a canvas gets the point relative to itself";
  zrt::track_pointer_over_controls(m_window, 31, 30);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Move Plot 21 20", "Move Label 31 30"}));
  zrt::track_pointer_over_controls(m_window, 90, 50);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Exit Label", "Move Plot 80 40"}));
  zrt::track_pointer_over_controls(m_window, 110, 60);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Exit Plot"})) << "the right and bottom edges are outside";
}

TEST_F(PointerOverControls, AHiddenPaneAndLeavingTheWindowEndWhatThePointerWasOver) {
  zrt::track_pointer_over_controls(m_window, 30, 30);
  static_cast<void>(raised());
  pane_of(m_plot).shown = false;
  zrt::track_pointer_over_controls(m_window, 30, 30);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Exit Plot", "Move Label 30 30"}));
  zrt::pointer_left_controls(m_window);
  EXPECT_EQ(raised(), (std::vector<std::string>{"Exit Label"}));
  zrt::pointer_left_controls(m_window);
  EXPECT_TRUE(raised().empty());
}

// The cursor over the window is the last control's in the window's order
// that the pointer is over, shown and has one.
TEST_F(PointerOverControls, TheCursorIsThatOfTheLastShownControlUnderThePointerThatHasOne) {
  const auto cursor = [] { return zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("MouseCursor"))); };
  const zrt::ObjectRef plot_cursor = cursor();
  const zrt::ObjectRef label_cursor = cursor();
  zrt::ControlFields(m_plot).store_reference(zif::control_fields::mouse_cursor, plot_cursor.get());
  zrt::ControlFields(m_label).store_reference(zif::control_fields::mouse_cursor, label_cursor.get());
  const struct {
    std::int32_t x, y;
    ZObject* expected;
  } cases[] = {{30, 30, label_cursor.get()}, {90, 50, plot_cursor.get()}, {150, 80, nullptr}, {110, 60, nullptr}};
  for (const auto& c : cases)
    EXPECT_EQ(zrt::cursor_of_control_at(m_window, c.x, c.y), c.expected) << c.x << ", " << c.y;
  pane_of(m_label).shown = false;
  EXPECT_EQ(zrt::cursor_of_control_at(m_window, 30, 30), plot_cursor.get()) << "a hidden pane is not under the pointer";
}

}  // namespace
