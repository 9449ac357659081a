// Windows made from definitions under Windows: placement, properties from
// pairs, the events of opening, painting, the mouse, moving, resizing,
// activation and closing, and the implicit instance variable.
#include "tests/ui/window_test_support_win32.h"
#include "runtime/core/message_box.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using namespace window_tests;

TEST_F(WindowTest, FrameZeroWithPlacementZeroHasItsClientAreaAtTenFifty) {
  const auto main = define(window_class, {{"Frame", "0"}, {"Placement", "0"}, {"Width", "366"}, {"Height", "532"},
                                          {"Visible", "True"}, {"Title", "Main"}});
  start();
  zrt::Word variable = 0;
  const zrt::ObjectRef window = create(main, &variable);
  ASSERT_NE(window.get(), nullptr);
  EXPECT_EQ(variable, zrt::word_of_pointer(window.get()));
  HWND handle = handle_of(window);
  const SIZE size = client_size(handle);
  EXPECT_EQ(size.cx, 366);
  EXPECT_EQ(size.cy, 532);
  const POINT origin = client_origin(handle);
  EXPECT_EQ(origin.x, 10);
  EXPECT_EQ(origin.y, 50);
  EXPECT_EQ(events(), std::vector<std::string>{"Open"});
  EXPECT_FALSE(::IsWindowVisible(handle)) << "showing waits for the next turn of the loop";
  turn();
  EXPECT_TRUE(::IsWindowVisible(handle));
  char title[16] = {};
  ::GetWindowTextA(handle, title, sizeof title);
  EXPECT_STREQ(title, "Main");
}

TEST_F(WindowTest, PlacementTwoCentresHorizontallyWithTheTopAtAQuarterOfTheFreeHeight) {
  const auto dialog = define(window_class, {{"Frame", "1"}, {"Width", "300"}, {"Height", "200"}});
  start();
  const zrt::ObjectRef window = create(dialog);
  ASSERT_NE(window.get(), nullptr);
  const POINT origin = client_origin(handle_of(window));
  EXPECT_EQ(origin.x, (::GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(origin.y, (::GetSystemMetrics(SM_CYSCREEN) - 200) / 4);
  EXPECT_EQ(windowPosGetter(window.get(), 0), origin.x);
  EXPECT_EQ(windowPosGetter(window.get(), 3), 200);
}

TEST_F(WindowTest, UnknownNamesAreSkippedAndNamesMatchInAnyCase) {
  const auto about = define(window_class, {{"Name", "AboutWin"}, {"MacProcID", "42"}, {"closebox", "TRUE"}, {"MinWidth", "-5"}});
  start();
  const zrt::ObjectRef window = create(about);
  ASSERT_NE(window.get(), nullptr);
  EXPECT_EQ(integerGetter(window.get(), zif::window_fields::mac_proc_id), 42);
  EXPECT_EQ(windowCloseBoxGetter(window.get(), 0), 1);
  EXPECT_EQ(shortGetter(window.get(), zif::window_fields::min_width), -5);
}

TEST_F(WindowTest, AFrameOutsideTheTableGivesNilAndLeavesTheVariableNil) {
  const auto odd = define(window_class, {{"Frame", "9"}});
  start();
  zrt::Word variable = 0;
  EXPECT_EQ(create(odd, &variable).get(), nullptr);
  EXPECT_EQ(variable, 0u);
  EXPECT_EQ(zrt::newest_window(), nullptr);
  ASSERT_EQ(shown_messages().size(), 1u) << "the definition's fault is shown once";
  EXPECT_NE(shown_messages()[0].find("Frame 9 names no frame"), std::string::npos) << shown_messages()[0];
}

TEST_F(WindowTest, ADefinitionOfAClassThatIsNoWindowGivesNil) {
  const auto wrong = define(window_class + 5, {{"Frame", "0"}});
  start();
  EXPECT_EQ(create(wrong).get(), nullptr);
}

TEST_F(WindowTest, ClosingTheOnlyWindowEndsTheLoopAndClearsTheVariable) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  zrt::Word variable = 0;
  HWND handle = nullptr;
  {
    const zrt::ObjectRef window = create(main, &variable);
    handle = handle_of(window);
  }
  ::PostMessageA(handle, WM_CLOSE, 0, 0);
  RuntimeRun();
  EXPECT_EQ(variable, 0u);
  EXPECT_FALSE(::IsWindow(handle));
  // Showing the window activated, sized and moved it on the way.
  ASSERT_GE(events().size(), 3u);
  EXPECT_EQ(events().front(), "Open");
  EXPECT_EQ(std::vector<std::string>(events().end() - 2, events().end()),
            (std::vector<std::string>{"CancelClose", "Close"}));
}

TEST_F(WindowTest, CancelCloseKeepsTheWindowOpenAndRaisesNoClose) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  script().cancel_close = 1;
  RuntimeCloseWindow(window.get());
  ::SendMessageA(handle_of(window), WM_CLOSE, 0, 0);
  ApplicationQuit();  // refused: it returns
  EXPECT_NE(zrt::WindowFields(window.get()).native(), nullptr);
  EXPECT_EQ(events(), (std::vector<std::string>{"Open", "CancelClose", "CancelClose", "CancelClose"}));
  script().cancel_close = 0;
  RuntimeCloseWindow(window.get());
  EXPECT_EQ(zrt::WindowFields(window.get()).native(), nullptr);
  EXPECT_EQ(events().back(), "Close");
  EXPECT_EQ(windowHWNDGetter(window.get(), 0), 0) << "a closed window's properties stay readable";
}

// What the quit raises, caught where the test called it.
struct Raised {
  std::string class_name;
};

[[noreturn]] void throw_class_name(ZObject* exception) {
  Raised raised{std::string(zrt::class_name(zrt::class_of(exception)))};
  zrt::unlock_object(exception);
  throw raised;
}

TEST_F(WindowTest, AnAcceptedQuitClosesEveryWindowAfterTheApplicationsCloseAndRaisesEnd) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start(true);
  const zrt::ObjectRef first = create(main);
  const zrt::ObjectRef second = create(main);
  const zrt::RaiseInterceptor previous = zrt::set_raise_interceptor(&throw_class_name);
  std::string raised;
  try {
    ApplicationQuit();
  } catch (const Raised& end) {
    raised = end.class_name;
  }
  zrt::set_raise_interceptor(previous);
  EXPECT_EQ(raised, "EndException");
  EXPECT_EQ(zrt::newest_window(), nullptr);
  const std::vector<std::string> expected = {"Application Open", "Open",  "Open",  "CancelClose",
                                             "CancelClose",      "Application Close", "Close", "Close"};
  EXPECT_EQ(events(), expected);
}

TEST_F(WindowTest, WithoutAnApplicationSubclassTheApplicationIsPlainAndNoOpenRuns) {
  start();
  ZObject* application = zrt::application_state().application.get();
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(zrt::class_name(zrt::class_of(application)), "Application");
  EXPECT_TRUE(events().empty());
}

TEST_F(WindowTest, PaintGetsAGraphicsObject) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  events().clear();
  formRefresh(window.get());
  EXPECT_EQ(events(), std::vector<std::string>{"Paint Graphics"});
}

// The handler's graphics draws into the window; one kept past the handler
// draws nowhere.
TEST_F(WindowTest, ThePaintGraphicsDrawsIntoTheWindowOnlyDuringTheHandler) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "100"}, {"Height", "80"}, {"HasBackColor", "True"},
                                          {"BackColor", "16777215"}});
  static ZObject* kept = nullptr;
  script().on_paint = [](ZObject* graphics) {
    graphicsForeColorSetter(graphics, 0, 0xFF0000);
    RuntimeGraphicsFillRect(graphics, 10, 10, 20, 20);
    kept = RuntimeLockObject(graphics);
  };
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  formRefresh(window.get());
  ASSERT_NE(kept, nullptr);
  const zrt::ObjectRef graphics = zrt::ObjectRef::adopt(std::exchange(kept, nullptr));
  RuntimeGraphicsFillRect(graphics.get(), 40, 40, 20, 20);
  const driver::Image image = driver::capture_client(handle_of(window));
  EXPECT_EQ(image.at(15, 15) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.at(35, 35) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(image.at(45, 45) & 0xFFFFFF, 0xFFFFFFu) << "drawn after the handler";
}

TEST_F(WindowTest, TheBackdropIsDrawnAtTheClientOriginInItsOwnSizeBeforePaint) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "100"}, {"Height", "80"}, {"HasBackColor", "True"},
                                          {"BackColor", "16777215"}});
  script().on_paint = [](ZObject* graphics) {
    graphicsForeColorSetter(graphics, 0, 0x0000FF);
    RuntimeGraphicsFillRect(graphics, 10, 10, 5, 5);
  };
  start();
  const zrt::ObjectRef window = create(main);
  const zrt::ObjectRef backdrop = zrt::ObjectRef::adopt(newPicture(30, 20, 32));
  const zrt::ObjectRef drawing = zrt::ObjectRef::adopt(pictureGraphicsGetter(backdrop.get(), 0));
  graphicsForeColorSetter(drawing.get(), 0, 0xFF0000);
  RuntimeGraphicsFillRect(drawing.get(), 0, 0, 30, 20);
  windowBackdropSetter(window.get(), 0, backdrop.get());
  turn();
  formRefresh(window.get());
  const driver::Image image = driver::capture_client(handle_of(window));
  EXPECT_EQ(image.at(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.at(29, 19) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.at(30, 19) & 0xFFFFFF, 0xFFFFFFu) << "the backdrop keeps its own size";
  EXPECT_EQ(image.at(12, 12) & 0xFFFFFF, 0x0000FFu) << "Paint draws over the backdrop";
}

TEST_F(WindowTest, MouseDownThatReturnsTrueTracksDragsUntilTheButtonIsReleased) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "200"}, {"Height", "200"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  HWND handle = handle_of(window);
  events().clear();
  ::SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  ::SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
  EXPECT_EQ(events(), std::vector<std::string>{"MouseDown 20 30"}) << "no tracking: no MouseUp";

  events().clear();
  script().mouse_down = 1;
  ::SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  const POINT origin = client_origin(handle);
  zrt::report_mouse_position(origin.x + 40, origin.y + 50);
  ::SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
  EXPECT_EQ(events(), (std::vector<std::string>{"MouseDown 20 30", "MouseDrag 40 50", "MouseUp 40 50"}));
}

TEST_F(WindowTest, LeftAndWidthSetLaterMoveAndResizeInTheNextTurn) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "200"}, {"Height", "100"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  events().clear();
  windowPosSetter(window.get(), 0, 150);
  windowPosSetter(window.get(), 2, 250);
  EXPECT_EQ(windowPosGetter(window.get(), 0), 150);
  EXPECT_EQ(windowPosGetter(window.get(), 2), 250);
  turn();
  HWND handle = handle_of(window);
  EXPECT_EQ(client_origin(handle).x, 150);
  EXPECT_EQ(client_size(handle).cx, 250);
  EXPECT_EQ(client_size(handle).cy, 100);
  EXPECT_NE(std::find(events().begin(), events().end(), "Moved"), events().end());
  EXPECT_NE(std::find(events().begin(), events().end(), "Resized"), events().end());
  events().clear();
  turn();
  EXPECT_TRUE(events().empty()) << "the geometry is applied once";
}

TEST_F(WindowTest, ActivationRaisesActivateAndDeactivate) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  events().clear();
  ::SendMessageA(handle_of(window), WM_ACTIVATE, WA_ACTIVE, 0);
  ::SendMessageA(handle_of(window), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(events(), (std::vector<std::string>{"Activate", "Deactivate"}));
}

TEST_F(WindowTest, AVisibleModalWindowRefusesClicksIntoOtherWindows) {
  const auto main = define(window_class, {{"Visible", "True"}});
  const auto modal = define(window_class, {{"Visible", "True"}, {"Frame", "1"}});
  start();
  const zrt::ObjectRef document = create(main);
  const zrt::ObjectRef dialog = create(modal);
  turn();
  const LPARAM click = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
  EXPECT_EQ(::SendMessageA(handle_of(document), WM_MOUSEACTIVATE, 0, click), MA_NOACTIVATEANDEAT);
  EXPECT_NE(::SendMessageA(handle_of(dialog), WM_MOUSEACTIVATE, 0, click), MA_NOACTIVATEANDEAT);
  EXPECT_EQ(::GetWindow(handle_of(dialog), GW_OWNER), handle_of(document)) << "the document window owns the dialog";
  RuntimeHideWindow(dialog.get());
  EXPECT_NE(::SendMessageA(handle_of(document), WM_MOUSEACTIVATE, 0, click), MA_NOACTIVATEANDEAT);
}

void close_from_open(ZObject* window) { RuntimeCloseWindow(window); }

TEST_F(WindowTest, AWindowClosedByItsOpenHandlerGivesNil) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  script().on_open = &close_from_open;
  zrt::Word variable = 0;
  EXPECT_EQ(create(main, &variable).get(), nullptr);
  EXPECT_EQ(variable, 0u);
  EXPECT_EQ(events(), (std::vector<std::string>{"Open", "CancelClose", "Close"}));
}

}  // namespace

namespace {

using namespace window_tests;

TEST_F(WindowTest, ClosingAnOwnerClosesTheWindowsItOwns) {
  const auto main = define(window_class, {{"Visible", "True"}});
  const auto modal = define(window_class, {{"Visible", "True"}, {"Frame", "1"}});
  start();
  zrt::Word document_variable = 0;
  zrt::Word dialog_variable = 0;
  HWND dialog = nullptr;
  {
    const zrt::ObjectRef document = create(main, &document_variable);
    dialog = handle_of(create(modal, &dialog_variable));
    events().clear();
    RuntimeCloseWindow(document.get());
  }
  EXPECT_FALSE(::IsWindow(dialog));
  EXPECT_EQ(zrt::newest_window(), nullptr) << "no record is left behind for the destroyed dialog";
  EXPECT_EQ(dialog_variable, 0u);
  EXPECT_EQ(document_variable, 0u);
  EXPECT_EQ(std::count(events().begin(), events().end(), "Close"), 2);
}

// Document windows outlive the document that owns them, and the one after
// it, whichever closes first.
TEST_F(WindowTest, ClosingADocumentLeavesTheDocumentsItOwnsOpen) {
  const auto document = define(window_class, {{"Visible", "True"}});
  start();
  zrt::Word variables[3] = {};
  zrt::ObjectRef first = create(document, &variables[0]);
  zrt::ObjectRef second = create(document, &variables[1]);
  const zrt::ObjectRef third = create(document, &variables[2]);
  ASSERT_EQ(::GetWindow(handle_of(third), GW_OWNER), handle_of(second));
  RuntimeCloseWindow(std::exchange(second, {}).get());
  EXPECT_EQ(::GetWindow(handle_of(third), GW_OWNER), handle_of(first)) << "passed to its owner's owner";
  RuntimeCloseWindow(std::exchange(first, {}).get());
  EXPECT_TRUE(::IsWindow(handle_of(third)));
  EXPECT_EQ(zrt::newest_window(), zrt::WindowFields(third.get()).native());
  EXPECT_NE(variables[2], 0u);
}

// While a modal dialog it owns is open, the system disables a window; a
// close request from elsewhere then waits for the dialog to end.
TEST_F(WindowTest, ADisabledWindowIgnoresCloseRequests) {
  const auto document = define(window_class, {{"Visible", "True"}});
  start();
  zrt::Word variable = 0;
  const zrt::ObjectRef window = create(document, &variable);
  HWND handle = handle_of(window);
  ::EnableWindow(handle, FALSE);
  ::SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindow(handle));
  EXPECT_EQ(events(), std::vector<std::string>{"Open"});
  ::EnableWindow(handle, TRUE);
  ::SendMessageA(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(WindowTest, ATruncatedDefinitionGivesNilAndLeavesNothingBehind) {
  start();
  definition_tests::DefinitionBuilder built;
  built.integer(2).integer(window_class).pair("Frame", "0").text("Title");
  const std::vector<std::uint8_t> stored = built.with_length();
  zrt::Word variable = 0;
  // A definition outside the image data cannot be read at all; the user is
  // told so.
  EXPECT_EQ(RuntimeCreateWindow(reinterpret_cast<void*>(0x10), &variable), nullptr);
  ASSERT_EQ(shown_messages().size(), 1u);
  EXPECT_EQ(shown_messages()[0].rfind("window definition at ", 0), 0u) << shown_messages()[0];
  const zrt::WindowCreation made =
      zrt::create_window(std::span(stored).subspan(4), &variable, zrt::screen_size(), &zrt::build_native_window);
  EXPECT_EQ(made.window, nullptr);
  EXPECT_NE(made.fault.find("property value"), std::string::npos) << made.fault;
  EXPECT_EQ(variable, 0u);
  EXPECT_EQ(zrt::newest_window(), nullptr);
}

TEST_F(WindowTest, TheQuitMenuItemClosesEveryWindowAndLetsTheLoopEnd) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start(true);
  const zrt::ObjectRef window = create(main);
  const zrt::ObjectRef item = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("QuitMenuItem")));
  zrt::choose_quit_menu_item(item.get());
  EXPECT_TRUE(zrt::application_state().quit);
  EXPECT_EQ(zrt::WindowFields(window.get()).native(), nullptr);
  EXPECT_EQ(events().back(), "Close");
  RuntimeRun();  // returns at once
}

TEST_F(WindowTest, ARefusedQuitFromTheMenuKeepsTheLoopRunning) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  const zrt::ObjectRef window = create(main);
  script().cancel_close = 1;
  const zrt::ObjectRef item = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("QuitMenuItem")));
  zrt::choose_quit_menu_item(item.get());
  EXPECT_FALSE(zrt::application_state().quit);
  EXPECT_NE(zrt::WindowFields(window.get()).native(), nullptr);
}

}  // namespace

namespace {

using namespace window_tests;

TEST_F(WindowTest, InMultipleDocumentModeTheFrameOwnsAndClosingItQuits) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start(false, true);
  HWND frame = static_cast<HWND>(zrt::frame_window());
  ASSERT_NE(frame, nullptr);
  char title[16] = {};
  ::GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "Frame");
  RECT outer{};
  ::GetWindowRect(frame, &outer);
  EXPECT_EQ(outer.right - outer.left, 640);
  EXPECT_EQ(outer.bottom - outer.top, 480);

  const zrt::ObjectRef window = create(main);
  EXPECT_EQ(::GetWindow(handle_of(window), GW_OWNER), frame);
  RuntimeCloseWindow(window.get());
  turn();
  EXPECT_FALSE(zrt::application_state().quit) << "with no window left the frame keeps the application running";

  const zrt::ObjectRef second = create(main);
  ::SendMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(zrt::application_state().quit);
  EXPECT_EQ(zrt::frame_window(), nullptr);
  EXPECT_EQ(zrt::WindowFields(second.get()).native(), nullptr);
}

}  // namespace

namespace {

using namespace window_tests;

// A shown 100 by 100 window, with the events of its showing cleared.
class PointerTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const auto main = define(window_class, {{"Visible", "True"}, {"Width", "100"}, {"Height", "100"}});
    start();
    m_window = create(main);
    turn();
    origin = client_origin(handle_of(m_window));
    events().clear();
  }

  void TearDown() override {
    m_window = {};  // released before the base checks that no object is left
    WindowTest::TearDown();
  }

  POINT origin{};

 private:
  zrt::ObjectRef m_window;
};

TEST_F(PointerTest, ThePointerEntersMovesOverAndLeavesAWindow) {
  zrt::report_mouse_position(origin.x + 5, origin.y + 6);
  zrt::report_mouse_position(origin.x + 7, origin.y + 8);
  zrt::report_mouse_position(origin.x + 400, origin.y + 400);
  EXPECT_EQ(events(), (std::vector<std::string>{"MouseEnter", "MouseMove 5 6", "MouseMove 7 8", "MouseExit"}));
}

// The event loop reports where the pointer was when each message it takes
// was queued; a message queued with the pointer where it was reports
// nothing new.
TEST_F(PointerTest, TheLoopReportsThePointerWithEachMessageItTakes) {
  for (const POINT& moved_to : {POINT{9, 11}, POINT{9, 11}, POINT{400, 400}}) {
    ::SetCursorPos(origin.x + moved_to.x, origin.y + moved_to.y);
    turn();
    // The system may queue a mouse move of its own for the new place.
    MSG waiting{};
    while (::PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) zrt::run_event_loop_turn();
  }
  std::vector<std::string> mouse_events;
  std::copy_if(events().begin(), events().end(), std::back_inserter(mouse_events),
               [](const std::string& event) { return event.rfind("Mouse", 0) == 0; });
  EXPECT_EQ(mouse_events, (std::vector<std::string>{"MouseEnter", "MouseMove 9 11", "MouseExit"}));
}

TEST_F(WindowTest, TheBackgroundIsTheBackColourOrTheSystemFaceColour) {
  const auto red = define(window_class, {{"Visible", "True"}, {"HasBackColor", "True"}, {"BackColor", "16711680"},
                                         {"Width", "40"}, {"Height", "30"}});
  const auto plain = define(window_class, {{"Visible", "True"}, {"Width", "40"}, {"Height", "30"}});
  start();
  const zrt::ObjectRef coloured = create(red);
  const zrt::ObjectRef face = create(plain);
  windowPosSetter(face.get(), 0, 300);
  turn();
  formRefresh(coloured.get());
  formRefresh(face.get());
  EXPECT_EQ(driver::capture_client(handle_of(coloured)).at(20, 15), 0xFF0000u);
  const COLORREF system_face = ::GetSysColor(COLOR_BTNFACE);
  const std::uint32_t face_rgb = GetRValue(system_face) << 16 | GetGValue(system_face) << 8 | GetBValue(system_face);
  EXPECT_EQ(driver::capture_client(handle_of(face)).at(20, 15), face_rgb);
  windowBackColorSetter(face.get(), 0, 0x00FF00);
  formRefresh(face.get());
  EXPECT_EQ(driver::capture_client(handle_of(face)).at(20, 15), face_rgb) << "BackColor alone changes nothing";
  windowHasBackColorSetter(face.get(), 0, 1);
  formRefresh(face.get());
  EXPECT_EQ(driver::capture_client(handle_of(face)).at(20, 15), 0x00FF00u);
}

}  // namespace

namespace {

using namespace window_tests;

TEST_F(WindowTest, AResizableWindowIsHeldWithinItsSizeLimits) {
  const auto grows = define(window_class, {{"GrowIcon", "True"}, {"MinWidth", "150"}, {"MaxHeight", "400"}});
  const auto fixed = define(window_class, {{"MinWidth", "150"}});
  start();
  const zrt::ObjectRef resizable = create(grows);
  const zrt::ObjectRef plain = create(fixed);
  MINMAXINFO limits{};
  limits.ptMinTrackSize = {10, 20};
  limits.ptMaxTrackSize = {3000, 3000};
  ::SendMessageA(handle_of(resizable), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 150);
  EXPECT_EQ(limits.ptMinTrackSize.y, 20) << "a limit of 0 keeps the system's";
  EXPECT_EQ(limits.ptMaxTrackSize.x, 3000);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 400);
  limits.ptMinTrackSize = {10, 20};
  ::SendMessageA(handle_of(plain), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 10);
}

}  // namespace

namespace {

using namespace window_tests;

TEST_F(WindowTest, ClosingLeavesAVariableAloneThatHoldsAnotherObjectByNow) {
  const auto main = define(window_class, {{"Visible", "True"}});
  start();
  zrt::Word variable = 0;
  // The other window comes first, so that it is not owned by the one closed.
  const zrt::ObjectRef second = create(main);
  const zrt::ObjectRef first = create(main, &variable);
  // The application stores another window into the variable.
  zrt::unlock_object(zrt::pointer_of<ZObject>(variable));
  variable = zrt::word_of_pointer(zrt::share_object(second.get()));
  RuntimeCloseWindow(first.get());
  EXPECT_EQ(variable, zrt::word_of_pointer(second.get()));
  EXPECT_EQ(second.get()->count, 3) << "the test's, the variable's and the native window's references";
  zrt::unlock_object(zrt::pointer_of<ZObject>(variable));
}

ZObject* g_other_window = nullptr;
void close_other_window(ZObject*) { RuntimeCloseWindow(g_other_window); }

TEST_F(WindowTest, AResizedHandlerMayCloseAnotherWindowDuringTheWindowPass) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "100"}, {"Height", "100"}});
  start();
  const zrt::ObjectRef older = create(main);
  const zrt::ObjectRef newer = create(main);
  turn();
  g_other_window = older.get();
  script().on_resized = &close_other_window;
  events().clear();
  // The pass visits newer first; its Resized closes older, the next window
  // of the list and newer's owner, which hands newer on and leaves it open.
  windowPosSetter(newer.get(), 2, 180);
  turn();
  EXPECT_EQ(zrt::WindowFields(older.get()).native(), nullptr);
  EXPECT_EQ(std::count(events().begin(), events().end(), "Resized"), 1);
  EXPECT_EQ(zrt::newest_window(), zrt::WindowFields(newer.get()).native());
  EXPECT_EQ(zrt::newest_window()->next, nullptr);
}

TEST_F(WindowTest, AWidthSetOnceRaisesResizedOnce) {
  const auto main = define(window_class, {{"Visible", "True"}, {"Width", "100"}, {"Height", "100"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  events().clear();
  windowPosSetter(window.get(), 3, 140);
  turn();
  EXPECT_EQ(std::count(events().begin(), events().end(), "Resized"), 1);
  EXPECT_EQ(client_size(handle_of(window)).cy, 140);
}

}  // namespace
