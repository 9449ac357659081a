// The menu bar natively: building it from a definition, the shortcut list,
// lookups and menu arrays, removing items, the item text, applying the
// items' states, the update cycle and the order in which a chosen item is
// offered to handlers. The native menus are kept as lists of entries.
#include "runtime/interface/exports.h"
#include "runtime/ui/menu_bar.h"
#include "runtime/ui/menu_commands.h"
#include "runtime/ui/menu_item_object.h"
#include "runtime/ui/shortcut_text.h"
#include "tests/core/image_data_builder.h"
#include "tests/core/object_test_support.h"
#include "tests/ui/menu_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using menu_tests::ItemEntry;
using menu_tests::menu_definition;
using object_tests::recorded_calls;
using Words = std::span<const zrt::Word>;

namespace fields = zif::menu_item_fields;

// Class indexes of the test image.
constexpr std::int32_t plain_item = 0;
constexpr std::int32_t quit_item = 1;
constexpr std::int32_t recent_item = 2;  // a MenuItem subclass with Action and EnableMenu handlers
constexpr std::int32_t not_an_item = 3;
constexpr std::int32_t main_window = 5;  // a Window subclass with menu handlers
constexpr std::int32_t app_class = 7;    // an Application subclass with menu handlers

constexpr zrt::CodeAddress recent_action = 0x7100;
constexpr zrt::CodeAddress recent_enable = 0x7200;
constexpr zrt::CodeAddress window_open = 0x7300;
constexpr zrt::CodeAddress window_recent = 0x7310;
constexpr zrt::CodeAddress window_enable = 0x7320;
constexpr zrt::CodeAddress app_open = 0x7400;
constexpr zrt::CodeAddress app_enable = 0x7420;

ZObject* g_quit_item = nullptr;

std::map<zrt::CodeAddress, std::function<zrt::Word(Words)>>& answers() {
  static std::map<zrt::CodeAddress, std::function<zrt::Word(Words)>> table;
  return table;
}

zrt::Word answer_call(zrt::CodeAddress routine, Words arguments) {
  recorded_calls().push_back({routine, {arguments.begin(), arguments.end()}});
  const auto found = answers().find(routine);
  return found == answers().end() ? 0 : found->second(arguments);
}

std::vector<zrt::CodeAddress> called_routines() {
  std::vector<zrt::CodeAddress> routines;
  for (const auto& call : recorded_calls()) routines.push_back(call.routine);
  return routines;
}

std::vector<menu_tests::MenuEntry> standard_menus() {
  ItemEntry more{.text = "More", .name = "FileMore", .has_submenu = true};
  more.submenu = {{.text = "Deeper", .name = "FileDeeper", .key = "Shift-D"}};
  return {
      {.kind = 1, .title = "Apple", .items = {{.text = "About", .name = "AppleAbout", .key = "A"}}},
      {.title = "File",
       .items = {{.text = "Open", .name = "FileOpen", .key = "O"},
                 {.text = "-"},
                 {.text = "Recent A", .name = "Recent", .class_index = recent_item, .index = 0},
                 {.text = "Recent B", .name = "Recent", .class_index = recent_item, .index = 1},
                 {.text = "Recent D", .name = "Recent", .class_index = recent_item, .index = 3},
                 more,
                 {.text = "Quit", .name = "FileQuit", .key = "Q", .class_index = quit_item},
                 {.kind = 2}}},
      {.title = "Edit", .items = {{.text = "Undo", .name = "EditUndo", .key = "Z"}, {.kind = 2}}},
      {.kind = 2, .title = "Window", .items = {{.text = "Zoom", .name = "WindowZoom"}}},
  };
}

// Handles the listed menus hand out in building order.
constexpr zrt::MenuHandle bar_handle = 1;
constexpr zrt::MenuHandle file_menu = 2;
constexpr zrt::MenuHandle more_menu = 3;
constexpr zrt::MenuHandle edit_menu = 4;

class MenuBarTest : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    m_previous_caller = zrt::set_code_caller(&answer_call);
    answers().clear();
    auto recent = object_tests::class_described("RecentItem", plain_item, fields::instance_size);
    recent.handlers = {{"Action", recent_action, 0}, {"EnableMenu", recent_enable, 0}};
    auto main = object_tests::class_described("Main", main_window - 1);
    main.handlers = {{"FileOpen", window_open, 0}, {"recent", window_recent, 0}, {"EnableMenuItems", window_enable, 0}};
    auto app = object_tests::class_described("App", app_class - 1);
    app.handlers = {{"fileopen", app_open, 0}, {"EnableMenuItems", app_enable, 0}};
    const zrt::Address descriptor = m_image.application_descriptor(
        {m_image.runtime_class_reference("MenuItem"), m_image.runtime_class_reference("QuitMenuItem"),
         m_image.class_descriptor(recent), m_image.class_descriptor(object_tests::class_described("NotAnItem")),
         m_image.runtime_class_reference("Window"), m_image.class_descriptor(main),
         m_image.runtime_class_reference("Application"), m_image.class_descriptor(app)},
        {});
    ASSERT_TRUE(zrt::build_class_table(m_image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
  }

  void TearDown() override {
    m_window = {};
    m_application = {};
    zrt::destroy_menu_bar();
    zrt::set_code_caller(m_previous_caller);
    ObjectTest::TearDown();
  }

  void build(const std::vector<menu_tests::MenuEntry>& menus = standard_menus()) {
    ASSERT_EQ(zrt::build_menu_bar(menu_definition(menus).bytes()), "");
  }

  static ZObject* item(std::string_view name, std::int32_t index = fields::no_index) {
    ZObject* found = zrt::find_menu_item(name, index);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  static std::int32_t command_of(std::string_view name, std::int32_t index = fields::no_index) {
    return zrt::MenuItemFields(item(name, index)).command();
  }

  zrt::MenuTargets targets() {
    if (m_window.get() == nullptr) m_window = zrt::ObjectRef::adopt(zrt::new_instance(*zrt::class_at_index(main_window)));
    if (m_application.get() == nullptr)
      m_application = zrt::ObjectRef::adopt(zrt::new_instance(*zrt::class_at_index(app_class)));
    return {.focus_control = nullptr,
            .window = m_window.get(),
            .application = m_application.get(),
            .quit_item = [](ZObject* item) { g_quit_item = item; }};
  }

  static zrt::StringRef text(std::string_view value) { return zrt::StringRef::adopt(zrt::make_string(value)); }

  object_tests::ImageDataBuilder m_image;
  menu_tests::ListedMenus m_menus;
  zrt::ObjectRef m_window;
  zrt::ObjectRef m_application;
  zrt::CodeCaller m_previous_caller = nullptr;
};

TEST_F(MenuBarTest, BuildsTheDropDownMenusWithTheirShortcutLabels) {
  build();
  EXPECT_TRUE(zrt::has_menu_bar());
  EXPECT_EQ(zrt::menu_bar_handle(), bar_handle);
  EXPECT_EQ(m_menus.texts(bar_handle), (std::vector<std::string>{"File", "Edit"}));
  EXPECT_EQ(m_menus.shown(bar_handle)[0].drop_down, file_menu);
  EXPECT_EQ(m_menus.texts(file_menu), (std::vector<std::string>{"Open\tCtrl+O", "-", "Recent A", "Recent B", "Recent D",
                                                                "More", "Quit\tCtrl+Q"}));
  EXPECT_EQ(m_menus.shown(file_menu)[5].drop_down, more_menu);
  EXPECT_EQ(m_menus.texts(more_menu), (std::vector<std::string>{"Deeper\tCtrl+Shft+D"}));
  EXPECT_EQ(m_menus.texts(edit_menu), (std::vector<std::string>{"Undo\tCtrl+Z"}));
  EXPECT_EQ(m_menus.shown(file_menu)[0].command, command_of("FileOpen"));
  EXPECT_EQ(command_of("FileOpen"), 1000);

  EXPECT_EQ(zrt::shortcut_command("ctrl+q"), command_of("FileQuit")) << "letter case is ignored";
  EXPECT_EQ(zrt::shortcut_command(zrt::key_text({'D', true, true, false})), command_of("FileDeeper"));
  EXPECT_EQ(zrt::shortcut_command("Ctrl+A"), 0) << "items of menus that make no menu give no shortcut";
  EXPECT_EQ(zrt::find_menu_item("AppleAbout", fields::no_index), nullptr);
  EXPECT_EQ(zrt::find_menu_item("WindowZoom", fields::no_index), nullptr);

  const zrt::MenuItemFields quit(item("FileQuit"));
  EXPECT_EQ(zrt::class_name(zrt::class_of(quit.object())), "QuitMenuItem");
  EXPECT_EQ(quit.position(), 6);
  EXPECT_TRUE(quit.flag(fields::enabled));
  EXPECT_TRUE(quit.flag(fields::visible));
  EXPECT_EQ(zrt::string_text(quit.string(fields::command_key)), "Q");
}

TEST_F(MenuBarTest, DefinitionsThatCannotMakeTheBarBuildNothing) {
  auto wrong_class = standard_menus();
  wrong_class[2].items.push_back({.text = "Odd", .name = "EditOdd", .class_index = not_an_item});
  auto no_class = standard_menus();
  no_class[1].items.push_back({.text = "Gone", .class_index = 40});
  const auto cut = menu_definition(standard_menus()).bytes();
  const std::vector<std::uint8_t> cut_short(cut.begin(), cut.end() - 3);
  EXPECT_EQ(zrt::build_menu_bar(menu_definition(wrong_class).bytes()),
            "menu definition: the item \"Odd\" names class 3, which is no menu item class");
  EXPECT_NE(zrt::build_menu_bar(menu_definition(no_class).bytes()).find("\"Gone\" names class 40"), std::string::npos);
  EXPECT_NE(zrt::build_menu_bar(cut_short).find("cannot read"), std::string::npos);
  EXPECT_FALSE(zrt::has_menu_bar());
  EXPECT_EQ(zrt::newest_object(), nullptr) << "no item was made";
  EXPECT_TRUE(m_menus.texts(bar_handle).empty()) << "no native menu was made";

  build();
  EXPECT_EQ(zrt::build_menu_bar(menu_definition(standard_menus()).bytes()),
            "menu definition: the application already has a menu bar");
}

TEST_F(MenuBarTest, LookupsFindItemsByNameAndIndexWithANewReference) {
  build();
  ZObject* open = RuntimeMenuReference(text("fileOPEN").get());
  ASSERT_EQ(open, item("FileOpen"));
  EXPECT_EQ(open->count, 2) << "the menu's reference and the caller's";
  zrt::unlock_object(open);
  EXPECT_EQ(RuntimeMenuReference(text("Recent").get()), nullptr) << "members of a menu array have an index";
  EXPECT_EQ(RuntimeMenuReference(text("Nothing").get()), nullptr);
  ZObject* second = RuntimeMenuArrayReference(text("recent").get(), 1);
  EXPECT_EQ(zrt::MenuItemFields(second).text(), "Recent B");
  zrt::unlock_object(second);
  EXPECT_EQ(RuntimeMenuArrayReference(text("Recent").get(), 2), nullptr);
}

TEST_F(MenuBarTest, ACloneTakesTheLowestFreeIndexAndAppearsAfterTheLastMemberAtTheNextApply) {
  build();
  ZObject* clone = RuntimeCloneMenu(text("Recent").get());
  ASSERT_NE(clone, nullptr);
  const zrt::MenuItemFields fields_of(clone);
  EXPECT_EQ(fields_of.index(), 2) << "indices 0, 1 and 3 are taken";
  EXPECT_EQ(fields_of.text(), "Recent D") << "the last member's text";
  EXPECT_EQ(zrt::class_name(zrt::class_of(clone)), "RecentItem");
  EXPECT_NE(fields_of.command(), 0);
  EXPECT_NE(fields_of.command(), command_of("Recent", 3));
  EXPECT_EQ(zrt::find_menu_item("Recent", 2), clone);
  EXPECT_EQ(m_menus.texts(file_menu).size(), 7u) << "not shown before the next update";

  zrt::apply_menus();
  EXPECT_EQ(m_menus.texts(file_menu), (std::vector<std::string>{"Open\tCtrl+O", "-", "Recent A", "Recent B", "Recent D",
                                                                "Recent D", "More", "Quit\tCtrl+Q"}));
  EXPECT_EQ(m_menus.shown(file_menu)[5].command, fields_of.command());
  EXPECT_EQ(zrt::MenuItemFields(item("FileQuit")).position(), 7) << "positions follow";
  ZObject* next = RuntimeCloneMenu(text("Recent").get());
  EXPECT_EQ(zrt::MenuItemFields(next).index(), 4);
  zrt::unlock_object(next);
  zrt::unlock_object(clone);
  EXPECT_EQ(RuntimeCloneMenu(text("Nothing").get()), nullptr);
}

TEST_F(MenuBarTest, ClosingAnItemRemovesItAtOnceAndFreesItsCommandAndShortcut) {
  build();
  const std::int32_t open_command = command_of("FileOpen");
  RuntimeCloseMenuItem(item("FileOpen"));
  EXPECT_EQ(zrt::find_menu_item("FileOpen", fields::no_index), nullptr);
  EXPECT_EQ(m_menus.texts(file_menu).front(), "-");
  EXPECT_EQ(zrt::MenuItemFields(item("FileQuit")).position(), 5) << "positions renumbered";
  EXPECT_EQ(zrt::shortcut_command("Ctrl+O"), 0);
  EXPECT_EQ(zrt::menu_item_with_command(open_command), nullptr);

  // The freed identifier goes to the next new item, which must not answer
  // the removed item's shortcut.
  ZObject* clone = RuntimeCloneMenu(text("Recent").get());
  EXPECT_EQ(zrt::MenuItemFields(clone).command(), open_command);
  EXPECT_EQ(zrt::shortcut_command("Ctrl+O"), 0);
  zrt::unlock_object(clone);

  // An item that opens a submenu takes the submenu's items with it.
  RuntimeCloseMenuItem(item("FileMore"));
  EXPECT_EQ(zrt::find_menu_item("FileDeeper", fields::no_index), nullptr);
  EXPECT_EQ(zrt::shortcut_command("Ctrl+Shft+D"), 0);
  zrt::apply_menus();
  EXPECT_EQ(m_menus.texts(file_menu),
            (std::vector<std::string>{"-", "Recent A", "Recent B", "Recent D", "Recent D", "Quit\tCtrl+Q"}));

  EXPECT_EQ(object_tests::raised_class([] { RuntimeCloseMenuItem(nullptr); }), "NilObjectException");
}

TEST_F(MenuBarTest, ClosingAnItemTwiceOrAfterItsMenuIsGoneDoesNothing) {
  build();
  const zrt::ObjectRef held = zrt::ObjectRef::share(item("EditUndo"));
  RuntimeCloseMenuItem(held.get());
  RuntimeCloseMenuItem(held.get());
  EXPECT_TRUE(m_menus.texts(edit_menu).empty());
  zrt::destroy_menu_bar();
  EXPECT_EQ(zrt::MenuItemFields(held.get()).menu(), nullptr);
  RuntimeCloseMenuItem(held.get());
}

TEST_F(MenuBarTest, SettingTheTextReplacesTheWholeShownTextLabelIncluded) {
  build();
  menuItemTextSetter(item("FileQuit"), fields::text, text("Exit").get());
  EXPECT_EQ(m_menus.texts(file_menu).back(), "Exit") << "the shortcut label goes";
  const zrt::StringRef got = zrt::StringRef::adopt(menuItemTextGetter(item("FileQuit"), fields::text));
  EXPECT_EQ(zrt::string_text(got.get()), "Exit");
  EXPECT_EQ(zrt::shortcut_command("Ctrl+Q"), command_of("FileQuit")) << "the shortcut still works";

  menuItemCommandKeySetter(item("FileOpen"), fields::command_key, text("K").get());
  EXPECT_EQ(zrt::shortcut_command("Ctrl+K"), 0) << "a later CommandKey changes no shortcut";
  EXPECT_EQ(zrt::MenuItemFields(item("FileOpen")).text(), "Open");
}

TEST_F(MenuBarTest, ApplyingShowsHidesEnablesAndChecksOnlyWhatChanged) {
  build();
  const zrt::MenuItemFields recent_b(item("Recent", 1));
  recent_b.set_flag(fields::visible, false);
  zrt::MenuItemFields(item("FileQuit")).set_flag(fields::enabled, false);
  zrt::MenuItemFields(item("Recent", 3)).set_flag(fields::checked, true);
  zrt::apply_menus();
  EXPECT_EQ(m_menus.texts(file_menu),
            (std::vector<std::string>{"Open\tCtrl+O", "-", "Recent A", "Recent D", "More", "Quit\tCtrl+Q"}));
  EXPECT_FALSE(m_menus.shown(file_menu)[5].enabled);
  EXPECT_TRUE(m_menus.shown(file_menu)[3].checked);
  EXPECT_EQ(m_menus.state_changes(), 2);

  zrt::apply_menus();
  EXPECT_EQ(m_menus.state_changes(), 2) << "nothing differs from what is shown";

  // Text set while hidden is shown when the item comes back, in its place.
  menuItemTextSetter(recent_b.object(), fields::text, text("Recent Bee").get());
  recent_b.set_flag(fields::visible, true);
  zrt::apply_menus();
  EXPECT_EQ(m_menus.texts(file_menu)[3], "Recent Bee");
  EXPECT_EQ(m_menus.shown(file_menu)[3].command, recent_b.command());
  EXPECT_TRUE(m_menus.shown(file_menu)[4].checked) << "Recent D moved down with its state";
}

TEST_F(MenuBarTest, TheUpdateCycleGreysWhatNoOneEnables) {
  build();
  answers()[recent_enable] = [](Words arguments) {
    const zrt::MenuItemFields recent(zrt::pointer_of<ZObject>(arguments[0]));
    if (recent.index() == 1) RuntimeEnableMenu(recent.object());
    return 0;
  };
  answers()[window_enable] = [](Words) {
    RuntimeEnableMenu(zrt::find_menu_item("FileOpen", fields::no_index));
    return 0;
  };
  answers()[app_enable] = [](Words) {
    RuntimeEnableMenu(zrt::find_menu_item("EditUndo", fields::no_index));
    return 0;
  };
  zrt::run_menu_update({});
  auto enabled_texts = [&](zrt::MenuHandle menu) {
    std::vector<std::string> texts;
    for (const auto& entry : m_menus.shown(menu))
      if (entry.enabled && !entry.separator) texts.push_back(entry.text);
    return texts;
  };
  EXPECT_EQ(enabled_texts(file_menu), (std::vector<std::string>{"Recent B", "Quit\tCtrl+Q"}))
      << "with no window and no application only the items enable themselves";
  EXPECT_TRUE(enabled_texts(edit_menu).empty());

  recorded_calls().clear();
  zrt::run_menu_update(targets());
  EXPECT_EQ(enabled_texts(file_menu), (std::vector<std::string>{"Open\tCtrl+O", "Recent B", "Quit\tCtrl+Q"}));
  EXPECT_EQ(enabled_texts(edit_menu), (std::vector<std::string>{"Undo\tCtrl+Z"}));
  EXPECT_EQ(called_routines(), (std::vector<zrt::CodeAddress>{recent_enable, recent_enable, recent_enable,
                                                                window_enable, app_enable}));
}

TEST_F(MenuBarTest, AChosenItemGoesToTheWindowThenTheApplicationThenItsAction) {
  build();
  const zrt::MenuTargets to = targets();
  bool window_takes = true;
  answers()[window_open] = [&](Words) { return window_takes ? 1 : 0; };
  EXPECT_TRUE(zrt::run_menu_command(command_of("FileOpen"), to));
  ASSERT_EQ(called_routines(), (std::vector<zrt::CodeAddress>{window_open}));
  EXPECT_EQ(recorded_calls()[0].arguments,
            (std::vector<zrt::Word>{zrt::word_of_pointer(to.window), static_cast<zrt::Word>(fields::no_index)}));

  window_takes = false;
  recorded_calls().clear();
  EXPECT_FALSE(zrt::run_menu_command(command_of("FileOpen"), to)) << "nobody took it";
  EXPECT_EQ(called_routines(), (std::vector<zrt::CodeAddress>{window_open, app_open}));

  answers()[app_open] = [](Words) { return 1; };
  EXPECT_TRUE(zrt::run_menu_command(command_of("FileOpen"), to));

  recorded_calls().clear();
  answers()[recent_action] = [](Words) { return 1; };
  EXPECT_TRUE(zrt::run_menu_command(command_of("Recent", 3), to));
  ASSERT_EQ(called_routines(), (std::vector<zrt::CodeAddress>{window_recent, recent_action}));
  EXPECT_EQ(recorded_calls()[0].arguments[1], 3u) << "the handler gets the item's Index";

  recorded_calls().clear();
  EXPECT_FALSE(zrt::run_menu_command(0, to));
  EXPECT_FALSE(zrt::run_menu_command(2023, to));
  EXPECT_TRUE(recorded_calls().empty());
}

TEST_F(MenuBarTest, TheQuitItemTakesItsOwnActionWhenNoHandlerTakesIt) {
  build();
  g_quit_item = nullptr;
  EXPECT_TRUE(zrt::run_menu_command(zrt::shortcut_command("Ctrl+Q"), targets()));
  EXPECT_EQ(g_quit_item, item("FileQuit"));
}

}  // namespace
