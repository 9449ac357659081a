// The group box's pane: a Win32 BUTTON of the group style.
#include "runtime/ui/control_panes.h"
#include "runtime/ui/pane_font_win32.h"
#include "runtime/ui/system_pane_win32.h"

namespace zrt {
namespace {

namespace f = zif::group_box_fields;

constexpr FontFields font_fields{f::text_font, f::text_size, f::bold, f::italic, f::underline};

class GroupBoxPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() {
    create_handle("BUTTON", text_field(ControlFields(control()), f::caption).c_str(), BS_GROUPBOX, 0);
    apply_font();
  }

  void control_changed(std::int32_t field) override {
    if (field == f::caption)
      ::SetWindowTextA(handle(), text_field(ControlFields(control()), f::caption).c_str());
    else
      apply_font();
  }

 private:
  void apply_font() { m_font.apply(handle(), ControlFields(control()), font_fields); }

  PaneFont m_font;
};

}  // namespace

Pane* make_group_box_pane(ZObject* control, const ControlKind&) { return build_system_pane<GroupBoxPane>(control); }

}  // namespace zrt
