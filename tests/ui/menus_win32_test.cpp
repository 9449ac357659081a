// The menu bar in a running application under Windows: the first document
// window shows it, the update cycle greys what nobody enables, shortcuts and
// menu commands reach the window's handler, then the application's, and the
// quit item quits when nobody takes it.
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_item_object.h"
#include "tests/ui/menu_test_support.h"
#include "tests/ui/window_test_support_win32.h"

namespace {

using window_tests::events;
using window_tests::script;

// Whether the handlers take the command.
struct MenuAnswers {
  std::int32_t window_takes = 0;
  std::int32_t application_takes = 0;
};
MenuAnswers g_answers;

extern "C" {
std::int32_t on_window_file_open(ZObject*, std::int32_t index) {
  events().push_back("Window FileOpen " + std::to_string(index));
  return g_answers.window_takes;
}
std::int32_t on_application_file_open(ZObject*, std::int32_t) {
  events().push_back("Application FileOpen");
  return g_answers.application_takes;
}
std::int32_t on_application_enable_menu_items(ZObject*) {
  events().push_back("Application EnableMenuItems");
  RuntimeEnableMenu(zrt::find_menu_item("EditCopy", zif::menu_item_fields::no_index));
  return 0;
}
}

class MenuBarWindows : public window_tests::WindowTest {
 protected:
  void TearDown() override {
    while (zrt::NativeWindow* native = zrt::newest_window()) zrt::close_native_window(*native);
    zrt::destroy_menu_bar();
    WindowTest::TearDown();
  }

  // A window class with a menu handler, an application class with one, and
  // the bar: File (Open, Quit) and Edit (Copy, Paste).
  void start_with_menus() {
    using window_tests::code;
    const std::int32_t window_reference = 0;
    auto window = object_tests::class_described("MenuWindow", window_reference, 112);
    window.handlers = {{"FileOpen", code(&on_window_file_open), 0}, {"KeyDown", code(&window_tests::on_key_down), 0}};
    m_menu_window = add_class(m_image.class_descriptor(window));
    const std::int32_t application_reference = add_class(m_image.runtime_class_reference("Application"));
    auto application = object_tests::class_described("MenuApplication", static_cast<std::uint32_t>(application_reference), 28);
    application.handlers = {{"fileOpen", code(&on_application_file_open), 0},
                            {"EnableMenuItems", code(&on_application_enable_menu_items), 0}};
    static_cast<void>(add_class(m_image.class_descriptor(application)));
    const std::int32_t quit_class = add_class(m_image.runtime_class_reference("QuitMenuItem"));
    const std::int32_t item_class = add_class(m_image.runtime_class_reference("MenuItem"));
    const auto stream = menu_tests::menu_definition({
        {.title = "File",
         .items = {{.text = "Open", .name = "FileOpen", .key = "O", .class_index = item_class},
                   {.text = "-", .class_index = item_class},
                   {.text = "Quit", .name = "FileQuit", .key = "Q", .class_index = quit_class},
                   {.kind = 2}}},
        {.title = "Edit",
         .items = {{.text = "Copy", .name = "EditCopy", .key = "C", .class_index = item_class},
                   {.text = "Paste", .name = "EditPaste", .key = "Shift-V", .class_index = item_class}}},
    }).bytes();
    const zrt::Address descriptor = m_image.words({2, static_cast<std::uint32_t>(stream.size())});
    static_cast<void>(m_image.bytes(stream));
    add_project_object(descriptor);
    m_main = define(m_menu_window, {{"Visible", "True"}, {"Width", "300"}, {"Height", "100"}});
    g_answers = {};
    start();
  }

  static std::string menu_text(HMENU menu, UINT position) {
    char text[64] = {};
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
  }

  static HMENU file_menu(HWND window) { return ::GetSubMenu(::GetMenu(window), 0); }
  static HMENU edit_menu(HWND window) { return ::GetSubMenu(::GetMenu(window), 1); }

  static bool greyed(HMENU menu, UINT position) {
    return (::GetMenuState(menu, position, MF_BYPOSITION) & MF_GRAYED) != 0;
  }

  static void settle() {
    MSG pending;
    for (int turns = 0; turns < 50 && ::PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE); ++turns)
      zrt::run_event_loop_turn();
  }

  // A key pressed with Control (and Shift) held, through the event loop.
  static void press_shortcut(HWND window, WPARAM virtual_key, bool shift = false) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    ::PostMessageA(window, WM_KEYDOWN, virtual_key, 1);
    settle();
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
  }

  std::int32_t m_menu_window = 0;
  std::size_t m_main = 0;
};

TEST_F(MenuBarWindows, TheFirstDocumentWindowShowsTheBarAndTheNextTakesItWhenItCloses) {
  start_with_menus();
  const zrt::ObjectRef first = create(m_main);
  const HWND handle = handle_of(first);
  ASSERT_EQ(::GetMenu(handle), reinterpret_cast<HMENU>(zrt::menu_bar_handle()));
  EXPECT_EQ(menu_text(::GetMenu(handle), 0), "File");
  EXPECT_EQ(menu_text(::GetMenu(handle), 1), "Edit");
  EXPECT_EQ(menu_text(file_menu(handle), 0), "Open\tCtrl+O");
  EXPECT_NE(::GetMenuState(file_menu(handle), 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_EQ(menu_text(file_menu(handle), 2), "Quit\tCtrl+Q");
  EXPECT_EQ(::GetMenuItemCount(file_menu(handle)), 3) << "the placeholder makes nothing";
  EXPECT_EQ(menu_text(edit_menu(handle), 1), "Paste\tCtrl+Shft+V");
  EXPECT_EQ(static_cast<std::int32_t>(::GetMenuItemID(file_menu(handle), 0)),
            zrt::MenuItemFields(zrt::find_menu_item("FileOpen", zif::menu_item_fields::no_index)).command());

  const zrt::ObjectRef second = create(m_main);
  EXPECT_EQ(::GetMenu(handle_of(second)), nullptr) << "one window holds the bar";
  RuntimeCloseWindow(first.get());
  const zrt::ObjectRef third = create(m_main);
  EXPECT_EQ(::GetMenu(handle_of(third)), reinterpret_cast<HMENU>(zrt::menu_bar_handle()));
  EXPECT_TRUE(::IsMenu(file_menu(handle_of(third)))) << "closing the holder did not destroy the bar";
}

TEST_F(MenuBarWindows, TheUpdateCycleGreysWhatNobodyEnables) {
  start_with_menus();
  const zrt::ObjectRef window = create(m_main);
  const HWND handle = handle_of(window);
  ::SendMessageA(handle, WM_INITMENU, reinterpret_cast<WPARAM>(::GetMenu(handle)), 0);
  EXPECT_EQ(events(), std::vector<std::string>{"Application EnableMenuItems"});
  EXPECT_TRUE(greyed(file_menu(handle), 0)) << "Open";
  EXPECT_FALSE(greyed(file_menu(handle), 2)) << "Quit enables itself";
  EXPECT_FALSE(greyed(edit_menu(handle), 0)) << "Copy, which the application enabled";
  EXPECT_TRUE(greyed(edit_menu(handle), 1)) << "Paste";

  ::SendMessageA(handle, WM_INITMENU, reinterpret_cast<WPARAM>(::GetMenu(handle)), 0);
  EXPECT_TRUE(greyed(edit_menu(handle), 1)) << "still grey at the next cycle";
  EXPECT_FALSE(greyed(edit_menu(handle), 0));
}

TEST_F(MenuBarWindows, AShortcutReachesTheWindowsHandlerThenTheApplications) {
  start_with_menus();
  const zrt::ObjectRef window = create(m_main);
  settle();
  events().clear();
  g_answers.window_takes = 1;
  press_shortcut(handle_of(window), 'O');
  EXPECT_EQ(events(), std::vector<std::string>{"Window FileOpen -2147483648"}) << "no KeyDown: the shortcut took the key";

  events().clear();
  g_answers.window_takes = 0;
  press_shortcut(handle_of(window), 'O');
  EXPECT_EQ(events(), (std::vector<std::string>{"Window FileOpen -2147483648", "Application FileOpen"}));

  events().clear();
  press_shortcut(handle_of(window), 'O', true);
  EXPECT_EQ(events(), std::vector<std::string>{"KeyDown 79"}) << "Ctrl+Shft+O is no shortcut";
}

TEST_F(MenuBarWindows, AChosenMenuCommandIsDelivered) {
  start_with_menus();
  const zrt::ObjectRef window = create(m_main);
  const auto open = static_cast<WPARAM>(::GetMenuItemID(file_menu(handle_of(window)), 0));
  g_answers.application_takes = 1;
  ::SendMessageA(handle_of(window), WM_COMMAND, MAKEWPARAM(open, 0), 0);
  EXPECT_EQ(events(), (std::vector<std::string>{"Window FileOpen -2147483648", "Application FileOpen"}));
}

TEST_F(MenuBarWindows, SettingTheTextReplacesTheShownTextWithItsLabel) {
  start_with_menus();
  const zrt::ObjectRef window = create(m_main);
  const zrt::StringRef exit_text = zrt::StringRef::adopt(zrt::make_string("Exit"));
  menuItemTextSetter(zrt::find_menu_item("FileQuit", zif::menu_item_fields::no_index), 0, exit_text.get());
  EXPECT_EQ(menu_text(file_menu(handle_of(window)), 2), "Exit");
}

// The fixture's leak check sees the item's text released.
TEST_F(MenuBarWindows, AnItemMadeWithoutAMenuBarReleasesItsTexts) {
  start();
  ZObject* item = zrt::new_instance(zrt::runtime_class("MenuItem"));
  const zrt::StringRef text = zrt::StringRef::adopt(zrt::make_string("Made by the program"));
  stringSetter(item, zif::menu_item_fields::text, text.get());
  zrt::unlock_object(item);
}

TEST_F(MenuBarWindows, CtrlQWithNoHandlerQuitsThroughTheQuitItem) {
  start_with_menus();
  const zrt::ObjectRef window = create(m_main);
  settle();
  events().clear();
  press_shortcut(handle_of(window), 'Q');
  EXPECT_TRUE(zrt::application_state().quit);
  EXPECT_EQ(zrt::newest_window(), nullptr) << "every window closed";
}

}  // namespace
