// The system's menus: the runtime's menu changes as Win32 menu calls, by
// position within each menu.
#include "runtime/ui/native_menus.h"

#include <windows.h>

#include <string>

namespace zrt {
namespace {

HMENU menu_of(MenuHandle menu) { return reinterpret_cast<HMENU>(menu); }

class SystemMenus final : public NativeMenus {
 public:
  MenuHandle create_bar() override { return reinterpret_cast<MenuHandle>(::CreateMenu()); }
  MenuHandle create_drop_down() override { return reinterpret_cast<MenuHandle>(::CreatePopupMenu()); }

  void append_drop_down(MenuHandle menu, MenuHandle drop_down, std::string_view text) override {
    ::AppendMenuA(menu_of(menu), MF_POPUP | MF_STRING, drop_down, std::string(text).c_str());
  }
  void append_item(MenuHandle menu, std::int32_t command, std::string_view text) override {
    ::AppendMenuA(menu_of(menu), MF_STRING, static_cast<UINT_PTR>(command), std::string(text).c_str());
  }
  void append_separator(MenuHandle menu) override { ::AppendMenuA(menu_of(menu), MF_SEPARATOR, 0, nullptr); }

  void insert_item(MenuHandle menu, std::int32_t position, std::int32_t command, std::string_view text) override {
    const UINT kind = text == "-" ? MF_SEPARATOR : MF_STRING;
    ::InsertMenuA(menu_of(menu), static_cast<UINT>(position), MF_BYPOSITION | kind, static_cast<UINT_PTR>(command),
                  std::string(text).c_str());
  }
  void delete_item(MenuHandle menu, std::int32_t position) override {
    ::DeleteMenu(menu_of(menu), static_cast<UINT>(position), MF_BYPOSITION);
  }
  void set_item_text(MenuHandle menu, std::int32_t position, std::string_view text) override {
    std::string owned(text);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = owned.data();
    ::SetMenuItemInfoA(menu_of(menu), static_cast<UINT>(position), TRUE, &info);
  }
  void enable_item(MenuHandle menu, std::int32_t position, bool enabled) override {
    ::EnableMenuItem(menu_of(menu), static_cast<UINT>(position), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  }
  void check_item(MenuHandle menu, std::int32_t position, bool checked) override {
    ::CheckMenuItem(menu_of(menu), static_cast<UINT>(position), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  void destroy_bar(MenuHandle bar) override { ::DestroyMenu(menu_of(bar)); }
};

}  // namespace

NativeMenus& system_native_menus() {
  static SystemMenus menus;
  return menus;
}

}  // namespace zrt
