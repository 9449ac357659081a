// The window list (newest first), the modal stack and the owner rule for
// new windows and standard dialogs.
#include "runtime/ui/window_list.h"

#include <gtest/gtest.h>

#include <set>

namespace {

zrt::WindowHandle handle(std::uintptr_t n) { return reinterpret_cast<zrt::WindowHandle>(n); }

class WindowList : public ::testing::Test {
 protected:
  void TearDown() override {
    for (zrt::NativeWindow& window : m_windows) {
      zrt::remove_window(window);
      zrt::remove_modal(window.handle);
    }
    EXPECT_EQ(zrt::newest_window(), nullptr);
  }

  zrt::NativeWindow& open(std::uintptr_t n, zrt::WindowKind kind) {
    zrt::NativeWindow& window = m_windows[n];
    window.handle = handle(n);
    window.kind = kind;
    zrt::insert_window(window);
    if (zrt::is_modal_kind(kind)) zrt::push_modal(window.handle);
    return window;
  }

  bool visible(zrt::WindowHandle h) const { return m_visible.count(h) != 0; }
  std::function<bool(zrt::WindowHandle)> visibility() const {
    return [this](zrt::WindowHandle h) { return visible(h); };
  }

  zrt::NativeWindow m_windows[6];
  std::set<zrt::WindowHandle> m_visible;
};

TEST_F(WindowList, KeepsWindowsNewestFirstAndFindsThemByHandle) {
  open(1, 8);
  open(2, 3);
  open(3, 8);
  EXPECT_EQ(zrt::newest_window(), &m_windows[3]);
  EXPECT_EQ(zrt::open_window_count(), 3u);
  zrt::remove_window(m_windows[3]);
  EXPECT_EQ(zrt::newest_window(), &m_windows[2]);
  EXPECT_EQ(zrt::window_of_handle(handle(1)), &m_windows[1]);
  EXPECT_EQ(zrt::window_of_handle(handle(3)), nullptr);
  EXPECT_EQ(zrt::window_of_handle(nullptr), nullptr);
}

TEST_F(WindowList, TheOwnerIsTheNewestVisibleModalWindow) {
  open(1, 8);
  open(2, 3);
  open(3, 2);
  m_visible = {handle(1), handle(2), handle(3)};
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), handle(3));
  m_visible.erase(handle(3));
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), handle(2)) << "a hidden modal window owns nothing";
  EXPECT_EQ(zrt::first_visible_modal(visibility()), handle(2));
}

TEST_F(WindowList, WithoutModalWindowsTheFrameThenTheNewestDocumentWindowOwns) {
  open(1, 8);
  open(2, 0);
  open(3, 6);
  EXPECT_EQ(zrt::owner_window(visibility(), handle(9)), handle(9));
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), handle(2));
  zrt::remove_window(m_windows[2]);
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), handle(1));
}

TEST_F(WindowList, NoWindowNoOwner) {
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), nullptr);
  open(1, 6);
  EXPECT_EQ(zrt::owner_window(visibility(), nullptr), nullptr) << "a kind-6 window owns no later window";
}

}  // namespace
