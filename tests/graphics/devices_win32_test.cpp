// The clipboard through the system's real clipboard, the screen and the
// system cursors under Windows.
#include "runtime/core/application.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/graphics/cursors_win32.h"
#include "runtime/interface/device_layout.h"
#include "tests/graphics/drawing_test_support.h"
#include "tests/ui/window_test_support_win32.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

using namespace drawing_tests;

class Devices : public DrawingTest {
 protected:
  void TearDown() override {
    zrt::application_state().mouse_cursor = {};
    DrawingTest::TearDown();
  }
};

zrt::ObjectRef new_clipboard() { return zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("Clipboard"))); }

std::string text_of(const zrt::StringRef& string) { return std::string(zrt::string_text(string.get())); }

std::string clipboard_text(const zrt::ObjectRef& clipboard) {
  return text_of(zrt::StringRef::adopt(clipboardTextGetter(clipboard.get(), 0)));
}

// Puts a packed 2 x 2 bitmap of 32 bits on the clipboard, as another program
// would: red, green in the top row, blue, white below (rows bottom-up).
void put_dib_on_clipboard() {
  const std::uint32_t pixels[] = {0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = 2;
  header.biHeight = 2;
  header.biPlanes = 1;
  header.biBitCount = 32;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + sizeof(pixels));
  auto* bytes = static_cast<std::uint8_t*>(::GlobalLock(memory));
  std::memcpy(bytes, &header, sizeof(header));
  std::memcpy(bytes + sizeof(header), pixels, sizeof(pixels));
  ::GlobalUnlock(memory);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ASSERT_NE(::SetClipboardData(CF_DIB, memory), nullptr);
  ::CloseClipboard();
}

TEST_F(Devices, ClipboardWritesReplaceThroughOneObjectAndEmptyThroughAFreshOne) {
  const zrt::StringRef format = text("Quellix test data");
  {
    zrt::ObjectRef writer = new_clipboard();
    clipboardAddMacData(writer.get(), text("first").get(), format.get());
    clipboardSetText(writer.get(), text("one").get());
    clipboardTextSetter(writer.get(), 0, text("two").get());
    clipboardClose(writer.get());
  }
  zrt::ObjectRef reader = new_clipboard();
  EXPECT_EQ(clipboard_text(reader), "two") << "the second write replaced the first";
  EXPECT_TRUE(clipboardMacDataAvailable(reader.get(), format.get())) << "the same object added, not emptied";
  EXPECT_EQ(text_of(zrt::StringRef::adopt(clipboardMacData(reader.get(), format.get()))), "first");

  clipboardPictureSetter(reader.get(), 0, picture(4, 4).get());
  EXPECT_EQ(clipboard_text(reader), "two") << "setting a picture changes nothing";
  EXPECT_FALSE(clipboardPictureAvailable(reader.get()));
  clipboardClose(reader.get());

  zrt::ObjectRef fresh = new_clipboard();
  clipboardSetText(fresh.get(), text("three").get());
  EXPECT_FALSE(clipboardMacDataAvailable(fresh.get(), format.get())) << "a fresh object empties first";
  EXPECT_TRUE(clipboardTextAvailable(fresh.get()));
  EXPECT_EQ(clipboard_text(fresh), "three");
}

TEST_F(Devices, ClipboardBitmapReadsBackAsAPictureOfItsSizeAndPixels) {
  put_dib_on_clipboard();
  zrt::ObjectRef clipboard = new_clipboard();
  EXPECT_TRUE(clipboardPictureAvailable(clipboard.get()));
  EXPECT_FALSE(clipboardTextAvailable(clipboard.get()));
  EXPECT_EQ(clipboardTextGetter(clipboard.get(), 0), nullptr) << "no text gives Nil";
  zrt::ObjectRef image = zrt::ObjectRef::adopt(clipboardPictureGetter(clipboard.get(), 0));
  clipboardClose(clipboard.get());
  ASSERT_NE(image.get(), nullptr);
  EXPECT_EQ(pictureWidthGetter(image.get(), 0), 2);
  EXPECT_EQ(pictureHeightGetter(image.get(), 0), 2);
  zrt::ObjectRef g = graphics_of(image);
  EXPECT_EQ(pixel(g, 0, 0), 0xFF0000u);
  EXPECT_EQ(pixel(g, 1, 0), 0x00FF00u);
  EXPECT_EQ(pixel(g, 0, 1), 0x0000FFu);
  EXPECT_EQ(pixel(g, 1, 1), 0xFFFFFFu);
}

TEST_F(Devices, OneScreenOfTheDisplaysSizeAndDepth) {
  EXPECT_EQ(getScreenCount(), 1);
  EXPECT_EQ(getScreen(1), nullptr);
  EXPECT_EQ(getScreen(-1), nullptr);
  zrt::ObjectRef screen = zrt::ObjectRef::adopt(getScreen(0));
  ASSERT_NE(screen.get(), nullptr);
  EXPECT_EQ(screenLeftGetter(screen.get(), 0), 0);
  EXPECT_EQ(screenTopGetter(screen.get(), 0), 0);
  EXPECT_EQ(screenWidthGetter(screen.get(), 0), ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screenHeightGetter(screen.get(), 0), ::GetSystemMetrics(SM_CYSCREEN));
  HDC display = ::GetDC(nullptr);
  EXPECT_EQ(screenDepthGetter(screen.get(), 0), ::GetDeviceCaps(display, BITSPIXEL));
  ::ReleaseDC(nullptr, display);
  // The depth makes a picture that can be drawn into.
  zrt::ObjectRef image = picture(4, 4, screenDepthGetter(screen.get(), 0));
  zrt::ObjectRef g = graphics_of(image);
  ASSERT_NE(g.get(), nullptr);
  graphicsPixelSetter(g.get(), 1, 1, 0x123456);
  EXPECT_EQ(pixel(g, 1, 1), 0x123456u);
}

TEST_F(Devices, TheApplicationsCursorComesBeforeTheWindowsAndTheArrowAfterBoth) {
  const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
  const HCURSOR beam = ::LoadCursorA(nullptr, IDC_IBEAM);
  const HCURSOR watch = ::LoadCursorA(nullptr, IDC_WAIT);
  zrt::ObjectRef ibeam = zrt::ObjectRef::adopt(getIBeamCursor());
  zrt::ObjectRef hourglass = zrt::ObjectRef::adopt(getWatchCursor());
  zrt::ObjectRef plain = zrt::ObjectRef::adopt(getArrowCursor());
  EXPECT_EQ(zrt::cursor_over_window(nullptr), arrow);
  EXPECT_EQ(zrt::cursor_over_window(plain.get()), arrow);
  EXPECT_EQ(zrt::cursor_over_window(ibeam.get()), beam);
  appMouseCursorSetter(nullptr, 0, hourglass.get());
  EXPECT_EQ(zrt::cursor_over_window(ibeam.get()), watch);
  appMouseCursorSetter(nullptr, 0, nullptr);
  EXPECT_EQ(zrt::cursor_over_window(ibeam.get()), beam) << "Nil gives the windows their own again";
  // A project cursor, which holds only its resource number, shows the arrow.
  zrt::ObjectRef project_cursor = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("MouseCursor")));
  *zrt::field_at(project_cursor.get(), zif::mouse_cursor_fields::resource) = 3;
  EXPECT_EQ(zrt::cursor_over_window(project_cursor.get()), arrow);
}

// The pointer is moved over a window as a user would move it; the system
// then asks the window for its cursor.
class Cursors : public window_tests::WindowTest {};

TEST_F(Cursors, AWindowShowsItsMouseCursorAndTheApplicationsOverIt) {
  const auto main = define(window_tests::window_class, {{"Visible", "True"}, {"Width", "120"}, {"Height", "80"}});
  start();
  const zrt::ObjectRef window = create(main);
  turn();
  const HWND handle = handle_of(window);
  EXPECT_EQ(cursor_after_moving_to(handle, 30, 30), ::LoadCursorA(nullptr, IDC_ARROW));
  const zrt::ObjectRef ibeam = zrt::ObjectRef::adopt(getIBeamCursor());
  formMouseCursorSetter(window.get(), 0, ibeam.get());
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_IBEAM)) << "shown at once under the pointer";
  EXPECT_EQ(cursor_after_moving_to(handle, 60, 40), ::LoadCursorA(nullptr, IDC_IBEAM));
  const zrt::ObjectRef watch = zrt::ObjectRef::adopt(getWatchCursor());
  appMouseCursorSetter(nullptr, 0, watch.get());
  EXPECT_EQ(cursor_after_moving_to(handle, 40, 30), ::LoadCursorA(nullptr, IDC_WAIT));
  appMouseCursorSetter(nullptr, 0, nullptr);
  formMouseCursorSetter(window.get(), 0, nullptr);
}

}  // namespace
