// Controls in a real window: the push button's wrapped BUTTON with its
// state and caption, Action on a click and on a push, and the canvas's
// mouse tracking.
#include "tests/ui/window_test_support_win32.h"

#include "runtime/core/class_table.h"
#include "runtime/interface/control_layout.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/tool_tips_win32.h"

#include <commctrl.h>

namespace {

using window_tests::code;
using window_tests::events;
using window_tests::script;
using window_tests::window_class;

// The BUTTON inside a push button's wrapper pane.
HWND button_of(ZObject* control) {
  zrt::SystemPane* pane = zrt::system_pane_of(control);
  return pane == nullptr ? nullptr : ::GetWindow(pane->handle(), GW_CHILD);
}

HWND pane_handle_of(ZObject* control) {
  zrt::SystemPane* pane = zrt::system_pane_of(control);
  return pane == nullptr ? nullptr : pane->handle();
}

bool has_style(HWND handle, LONG style) { return (::GetWindowLongA(handle, GWL_STYLE) & style) != 0; }

extern "C" {
// Records the state the control's pane has when its Open runs.
std::int32_t on_button_open(ZObject* control) {
  HWND button = button_of(control);
  events().push_back(std::string("Open") + (::IsWindowEnabled(button) ? " enabled" : " disabled") +
                     (has_style(::GetParent(button), WS_VISIBLE) ? " shown" : " hidden"));
  return 0;
}
std::int32_t on_action(ZObject* control) {
  events().push_back("Action " + std::string(zrt::string_text(zrt::ControlFields(control).string(zif::control_fields::name))));
  return 0;
}
}

class ControlPanes : public window_tests::WindowTest {
 protected:
  // Classes for the controls: a PushButton subclass with Open and Action
  // handlers and a Canvas subclass with the mouse handlers.
  void add_control_classes() {
    const std::int32_t push_button = add_class(m_image.runtime_class_reference("PushButton"));
    const std::int32_t canvas = add_class(m_image.runtime_class_reference("Canvas"));
    auto button = object_tests::class_described("", static_cast<std::uint32_t>(push_button), zif::push_button_fields::instance_size);
    button.handlers = {{"Open", code(&on_button_open), 0}, {"Action", code(&on_action), 0}};
    m_button = add_class(m_image.class_descriptor(button));
    auto drawing = object_tests::class_described("", static_cast<std::uint32_t>(canvas), zif::canvas_fields::instance_size);
    drawing.handlers = {{"MouseDown", code(&window_tests::on_mouse_down), 0},
                        {"MouseDrag", code(&window_tests::on_mouse_drag), 0},
                        {"MouseUp", code(&window_tests::on_mouse_up), 0}};
    m_canvas = add_class(m_image.class_descriptor(drawing));
  }

  static ZObject* fetch(const zrt::ObjectRef& window, std::string_view name) {
    const zrt::StringRef key = zrt::StringRef::adopt(zrt::make_string(name));
    return RuntimeControlFetch(window.get(), key.get());
  }

  std::int32_t m_button = 0;
  std::int32_t m_canvas = 0;
};

TEST_F(ControlPanes, EnabledAndVisibleFromTheDefinitionHoldWhenTheControlsOpenRuns) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}},
                           {{m_button, {{"Name", "Plain"}, {"Caption", "Plain"}, {"Visible", "True"}, {"Enabled", "True"}}},
                            {m_button, {{"Name", "Off"}, {"Caption", "Off"}, {"Visible", "True"}, {"Enabled", "False"}}},
                            {m_button, {{"Name", "Away"}, {"Caption", "Away"}, {"Visible", "False"}, {"Enabled", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  EXPECT_EQ(events(), (std::vector<std::string>{"Open enabled shown", "Open disabled shown", "Open enabled hidden",
                                                "Open"}));
  turn();
  EXPECT_FALSE(::IsWindowVisible(button_of(fetch(window, "Away"))));
  EXPECT_TRUE(::IsWindowVisible(button_of(fetch(window, "Plain"))));
}

TEST_F(ControlPanes, ACaptionSetBeforeTheWindowShowsIsTheButtonsText) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}},
                           {{m_button, {{"Name", "Show"}, {"Caption", "Show"}, {"Visible", "True"}, {"Enabled", "True"}}}});
  script().on_open = [](ZObject* window) {
    const zrt::StringRef key = zrt::StringRef::adopt(zrt::make_string("Show"));
    const zrt::StringRef caption = zrt::StringRef::adopt(zrt::make_string("Show Plot"));
    pushButtonTitleSetter(RuntimeControlFetch(window, key.get()), 0, caption.get());
  };
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  EXPECT_NE(driver::find_child(handle_of(window), "Button", "Show Plot"), nullptr);
}

TEST_F(ControlPanes, AClickRaisesActionAndPushingADisabledButtonDoesNothing) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}},
                           {{m_button, {{"Name", "Go"}, {"Caption", "Go"}, {"Left", "10"}, {"Top", "10"}, {"Width", "80"},
                                        {"Height", "20"}, {"Visible", "True"}, {"Enabled", "True"}}},
                            {m_button, {{"Name", "Off"}, {"Caption", "Off"}, {"Visible", "True"}, {"Enabled", "False"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  events().clear();
  ::SendMessageA(button_of(fetch(window, "Go")), BM_CLICK, 0, 0);
  EXPECT_EQ(events(), std::vector<std::string>{"Action Go"});
  events().clear();
  pushButtonPush(fetch(window, "Off"));
  pushButtonPush(fetch(window, "Go"));
  EXPECT_EQ(events(), std::vector<std::string>{"Action Go"});
}

// What an outside drawing receives: the control's bounds, the graphics
// object's class and the kind's data.
void record_drawing(ZObject* control, ZObject* graphics, const void* data) {
  const zrt::Bounds bounds = zrt::ControlFields(control).bounds();
  events().push_back("Draw " + std::to_string(bounds.left) + " " + std::to_string(bounds.top) + " " +
                     std::string(zrt::class_name(zrt::class_of(graphics))) + " " + static_cast<const char*>(data));
}

TEST_F(ControlPanes, AKindDrawnFromOutsideIsDrawnWhenItsWindowPaints) {
  const std::int32_t rect_control = add_class(m_image.runtime_class_reference("RectControl"));
  const auto main = define(window_class, {{"Visible", "True"}},
                           {{rect_control, {{"Name", "Line"}, {"Left", "12"}, {"Top", "34"}, {"Width", "99"},
                                            {"Height", "4"}, {"Visible", "True"}}}});
  start();
  static constexpr char data[] = "separator";
  const zrt::ControlKind drawn{
      .class_name = "Separator", .make_pane = &zrt::make_drawn_pane, .draw = &record_drawing, .data = data};
  zrt::register_control_kind(zrt::class_at_index(rect_control), drawn);
  const zrt::ObjectRef window = create(main);
  turn();  // the window shows in the loop's turn, and only a shown window paints
  events().clear();
  ::RedrawWindow(handle_of(window), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  zrt::forget_registered_control_kinds();
  EXPECT_NE(std::find(events().begin(), events().end(), "Draw 12 34 Graphics separator"), events().end());
}

TEST_F(ControlPanes, ACanvasTracksTheMouseOnlyAfterAMouseDownThatReturnsTrue) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "300"}, {"Height", "200"}},
                           {{m_canvas, {{"Name", "Plot"}, {"Left", "15"}, {"Top", "15"}, {"Width", "200"}, {"Height", "150"},
                                         {"Visible", "True"}, {"Enabled", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  HWND canvas = pane_handle_of(fetch(window, "Plot"));
  ASSERT_NE(canvas, nullptr);
  events().clear();
  ::SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  ::SendMessageA(canvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 35));
  ::SendMessageA(canvas, WM_LBUTTONUP, 0, MAKELPARAM(25, 35));
  EXPECT_EQ(events(), std::vector<std::string>{"MouseDown 20 30"}) << "MouseDown returned False";

  events().clear();
  script().mouse_down = 1;
  ::SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  ::SendMessageA(canvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 50));
  ::SendMessageA(canvas, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
  EXPECT_EQ(events(), (std::vector<std::string>{"MouseDown 20 30", "MouseDrag 40 50", "MouseUp 40 50"}))
      << "points are relative to the canvas";
}

TEST_F(ControlPanes, ACanvasDrawsItsBackdropAtItsTopLeft) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "300"}, {"Height", "200"},
                                          {"HasBackColor", "True"}, {"BackColor", "16777215"}},
                           {{m_canvas, {{"Name", "Plot"}, {"Left", "15"}, {"Top", "25"}, {"Width", "200"},
                                        {"Height", "150"}, {"Visible", "True"}, {"Enabled", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  const zrt::ObjectRef backdrop = zrt::ObjectRef::adopt(newPicture(10, 10, 8));
  const zrt::ObjectRef drawing = zrt::ObjectRef::adopt(pictureGraphicsGetter(backdrop.get(), 0));
  graphicsForeColorSetter(drawing.get(), 0, 0x00FF00);
  RuntimeGraphicsFillRect(drawing.get(), 0, 0, 10, 10);
  canvasBackdropSetter(fetch(window, "Plot"), 0, backdrop.get());
  turn();
  RuntimeControlRefresh(fetch(window, "Plot"));
  const driver::Image image = driver::capture_client(handle_of(window));
  EXPECT_EQ(image.at(15, 25) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(image.at(24, 34) & 0xFFFFFF, 0x00FF00u);
  EXPECT_NE(image.at(25, 35) & 0xFFFFFF, 0x00FF00u);
}

// The pointer moved over a button with a MouseCursor shows that cursor, not
// the button's own class cursor; elsewhere the window's shows.
TEST_F(ControlPanes, AControlsMouseCursorShowsOverItAndTheWindowsElsewhere) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "300"}, {"Height", "200"}},
                           {{m_button, {{"Name", "Edit"}, {"Caption", "Edit"}, {"Left", "20"}, {"Top", "20"},
                                        {"Width", "100"}, {"Height", "30"}, {"Visible", "True"}, {"Enabled", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  const zrt::ObjectRef beam = zrt::ObjectRef::adopt(getIBeamCursor());
  controlMouseCursorSetter(fetch(window, "Edit"), 0, beam.get());
  EXPECT_EQ(cursor_after_moving_to(handle_of(window), 60, 35), ::LoadCursorA(nullptr, IDC_IBEAM));
  EXPECT_EQ(cursor_after_moving_to(handle_of(window), 200, 150), ::LoadCursorA(nullptr, IDC_ARROW));
}

// The tip text of a tool of the window's tool-tip control.
std::string tip_text(HWND tips, HWND owner, HWND tool, UINT_PTR id) {
  char text[80] = {};
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = tool != nullptr ? tool : owner;
  info.uId = tool != nullptr ? reinterpret_cast<UINT_PTR>(tool) : id;
  info.lpszText = text;
  ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  return text;
}

TEST_F(ControlPanes, BalloonHelpBecomesToolTipsThatFollowTheEnabledState) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}, {"BalloonHelp", "The window"}},
                           {{m_button, {{"Name", "Go"}, {"Caption", "Go"}, {"Left", "10"}, {"Top", "10"}, {"Width", "80"},
                                        {"Height", "20"}, {"Visible", "True"}, {"Enabled", "True"},
                                        {"BalloonHelp", "Starts it"}, {"DisabledBalloonHelp", "Not now"}}},
                            {m_button, {{"Name", "Quiet"}, {"Caption", "Quiet"}, {"Visible", "True"}, {"Enabled", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  HWND root = handle_of(window);
  HWND tips = zrt::tool_tip_window_of(root);
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 2) << "the window and Go; Quiet has no text";
  HWND go = button_of(fetch(window, "Go"));
  EXPECT_EQ(tip_text(tips, root, go, 0), "Starts it");
  EXPECT_EQ(tip_text(tips, root, root, 0), "The window");
  controlEnabledSetter(fetch(window, "Go"), 0, 0);
  EXPECT_EQ(tip_text(tips, root, go, 0), "Not now");
  const zrt::StringRef none = zrt::StringRef::adopt(zrt::make_string(""));
  windowBalloonHelpSetter(window.get(), 0, none.get());
  EXPECT_EQ(::SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 1) << "an empty text removes the tool";
}

TEST_F(ControlPanes, AWindowWithoutTextsHasNoToolTipWindow) {
  add_control_classes();
  const auto main = define(window_class, {{"Visible", "True"}}, {{m_button, {{"Name", "Go"}, {"Visible", "True"}}}});
  start();
  const zrt::ObjectRef window = create(main);
  EXPECT_EQ(zrt::tool_tip_window_of(handle_of(window)), nullptr);
}

class KeyboardTest : public ControlPanes {
 protected:
  // Turns the event loop until no message is left, the first paint
  // included.
  static void settle() {
    MSG pending;
    for (int turns = 0; turns < 50 && ::PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE); ++turns)
      zrt::run_event_loop_turn();
  }

  // A key pressed in the window, through the event loop.
  static void press_key(HWND window, WPARAM virtual_key) {
    ::PostMessageA(window, WM_KEYDOWN, virtual_key, 1);
    settle();
  }

  // OK is the default button, Stop the cancel button, Other neither.
  zrt::ObjectRef open_buttons(std::string_view default_enabled = "True") {
    add_control_classes();
    const auto main = define(
        window_class, {{"Visible", "True"}, {"Width", "300"}, {"Height", "100"}},
        {{m_button, {{"Name", "OK"}, {"Caption", "OK"}, {"Left", "10"}, {"Top", "10"}, {"Width", "80"}, {"Height", "20"},
                     {"Default", "True"}, {"Visible", "True"}, {"Enabled", default_enabled}}},
         {m_button, {{"Name", "Stop"}, {"Caption", "Stop"}, {"Left", "100"}, {"Top", "10"}, {"Width", "80"},
                     {"Height", "20"}, {"Cancel", "True"}, {"Visible", "True"}, {"Enabled", "True"}}},
         {m_button, {{"Name", "Other"}, {"Caption", "Other"}, {"Left", "190"}, {"Top", "10"}, {"Width", "80"},
                     {"Height", "20"}, {"Visible", "True"}, {"Enabled", "True"}}}});
    start();
    zrt::ObjectRef window = create(main);
    turn();
    ::SetFocus(handle_of(window));
    settle();
    events().clear();
    return window;
  }
};

TEST_F(KeyboardTest, ReturnPushesTheDefaultButtonAndEscapeTheCancelButtonAfterTheWindowsKeyDown) {
  const zrt::ObjectRef window = open_buttons();
  press_key(handle_of(window), VK_RETURN);
  press_key(handle_of(window), VK_ESCAPE);
  EXPECT_EQ(events(), (std::vector<std::string>{"KeyDown 13", "Action OK", "KeyDown 27", "Action Stop"}));
}

TEST_F(KeyboardTest, AKeyDownThatReturnsTrueKeepsTheKeyFromTheButtons) {
  const zrt::ObjectRef window = open_buttons();
  script().key_down = 1;
  press_key(handle_of(window), VK_RETURN);
  EXPECT_EQ(events(), std::vector<std::string>{"KeyDown 13"});
}

TEST_F(KeyboardTest, ReturnPushesTheFocusedPushButtonInsteadOfTheDefault) {
  const zrt::ObjectRef window = open_buttons();
  ::SetFocus(button_of(fetch(window, "Other")));
  press_key(handle_of(window), VK_RETURN);
  EXPECT_EQ(events(), (std::vector<std::string>{"KeyDown 13", "Action Other"}));
}

TEST_F(KeyboardTest, ADisabledDefaultButtonIsNotPushed) {
  const zrt::ObjectRef window = open_buttons("False");
  press_key(handle_of(window), VK_RETURN);
  EXPECT_EQ(events(), std::vector<std::string>{"KeyDown 13"});
}

TEST_F(KeyboardTest, AReactivatedWindowGivesTheFocusBackToTheButtonThatHadIt) {
  const zrt::ObjectRef window = open_buttons();
  HWND handle = handle_of(window);
  HWND other = button_of(fetch(window, "Other"));
  ::SetFocus(other);
  ::SendMessageA(handle, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_NE(::GetFocus(), other) << "the focus leaves with the activation";
  ::SendMessageA(handle, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(::GetFocus(), other);
}

TEST_F(KeyboardTest, TabMovesTheFocusThroughTheButtonsThatTakeItAndWrapsAround) {
  const zrt::ObjectRef window = open_buttons("False");
  std::vector<HWND> focused;
  for (int i = 0; i < 3; ++i) {
    press_key(handle_of(window), VK_TAB);
    focused.push_back(::GetFocus());
  }
  EXPECT_EQ(focused, (std::vector<HWND>{button_of(fetch(window, "Stop")), button_of(fetch(window, "Other")),
                                        button_of(fetch(window, "Stop"))}))
      << "the disabled OK takes no focus";
}

}  // namespace
