// The seam between the runtime's menus and the system's: every change to a
// menu the system shows goes through these calls, by handle and position, so
// the menus' logic runs and is tested without the system.
#pragma once

#include <cstdint>
#include <string_view>

namespace zrt {

using MenuHandle = std::uintptr_t;

class NativeMenus {
 public:
  virtual ~NativeMenus() = default;

  [[nodiscard]] virtual MenuHandle create_bar() = 0;
  [[nodiscard]] virtual MenuHandle create_drop_down() = 0;
  virtual void append_drop_down(MenuHandle menu, MenuHandle drop_down, std::string_view text) = 0;
  virtual void append_item(MenuHandle menu, std::int32_t command, std::string_view text) = 0;
  virtual void append_separator(MenuHandle menu) = 0;
  // A text of "-" inserts a separator.
  virtual void insert_item(MenuHandle menu, std::int32_t position, std::int32_t command, std::string_view text) = 0;
  virtual void delete_item(MenuHandle menu, std::int32_t position) = 0;
  virtual void set_item_text(MenuHandle menu, std::int32_t position, std::string_view text) = 0;
  virtual void enable_item(MenuHandle menu, std::int32_t position, bool enabled) = 0;
  virtual void check_item(MenuHandle menu, std::int32_t position, bool checked) = 0;
  // Frees a bar that no window shows, with its drop-downs.
  virtual void destroy_bar(MenuHandle bar) = 0;
};

// The system's menus (on the host a stand-in that only hands out handles).
[[nodiscard]] NativeMenus& system_native_menus();

// The menus in use: the system's unless a test installed others.
[[nodiscard]] NativeMenus& native_menus();
// Installs menus (null: the system's again) and returns the previous ones.
NativeMenus* set_native_menus(NativeMenus* menus);

}  // namespace zrt
