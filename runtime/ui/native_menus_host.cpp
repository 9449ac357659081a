// The host has no system menus: handles are numbers and changes go nowhere.
#include "runtime/ui/native_menus.h"

namespace zrt {
namespace {

class HostMenus final : public NativeMenus {
 public:
  MenuHandle create_bar() override { return ++m_last_handle; }
  MenuHandle create_drop_down() override { return ++m_last_handle; }
  void append_drop_down(MenuHandle, MenuHandle, std::string_view) override {}
  void append_item(MenuHandle, std::int32_t, std::string_view) override {}
  void append_separator(MenuHandle) override {}
  void insert_item(MenuHandle, std::int32_t, std::int32_t, std::string_view) override {}
  void delete_item(MenuHandle, std::int32_t) override {}
  void set_item_text(MenuHandle, std::int32_t, std::string_view) override {}
  void enable_item(MenuHandle, std::int32_t, bool) override {}
  void check_item(MenuHandle, std::int32_t, bool) override {}
  void destroy_bar(MenuHandle) override {}

 private:
  MenuHandle m_last_handle = 0;
};

}  // namespace

NativeMenus& system_native_menus() {
  static HostMenus menus;
  return menus;
}

}  // namespace zrt
