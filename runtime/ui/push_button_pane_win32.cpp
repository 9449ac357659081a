// The push button's pane: a transparent "ZT_Pane" around a Win32 BUTTON.
#include "runtime/core/events.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/pane_font_win32.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/tool_tips_win32.h"

namespace zrt {
namespace {

namespace f = zif::push_button_fields;

constexpr FontFields font_fields{f::text_font, f::text_size, f::bold, f::italic, f::underline};

class PushButtonPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() {
    create_handle("ZT_Pane", "", 0, WS_EX_TRANSPARENT);
    const Bounds b = bounds();
    const std::string caption = text_field(ControlFields(control()), f::caption);
    m_button = ::CreateWindowExA(0, "BUTTON", caption.c_str(), button_style() | WS_CHILD | WS_VISIBLE, 0, 0,
                                 b.width(), b.height(), handle(), nullptr, nullptr, nullptr);
    ::SetPropA(m_button, "ZTInstance", this);
    apply_font();
  }

  ~PushButtonPane() override {
    remove_tool_tips_of(root(), m_button, 0);
    ::RemovePropA(m_button, "ZTInstance");
    ::DestroyWindow(m_button);
  }

  void set_bounds(Bounds bounds, bool redraw) override {
    SystemPane::set_bounds(bounds, redraw);
    ::MoveWindow(m_button, 0, 0, bounds.width(), bounds.height(), redraw ? TRUE : FALSE);
  }

  void state_command(std::int32_t command) override {
    SystemPane::state_command(command);
    if (command == pane_enable || command == pane_disable) ::EnableWindow(m_button, enabled() ? TRUE : FALSE);
  }

  void take_focus() override { ::SetFocus(m_button); }
  bool accepts_focus() const override { return visible() && enabled(); }
  HWND pointer_handle() const override { return m_button; }

  void control_changed(std::int32_t field) override {
    if (field == f::caption) {
      ::SetWindowTextA(m_button, text_field(ControlFields(control()), f::caption).c_str());
    } else if (field == f::is_default) {
      ::SendMessageA(m_button, BM_SETSTYLE, button_style(), TRUE);
    } else if (field != f::is_cancel) {
      apply_font();
    }
  }

  void command(std::int32_t code) override {
    if (code == BN_CLICKED && enabled()) raise_event(control(), {"PushButton", "Action"});
  }

 private:
  [[nodiscard]] DWORD button_style() const {
    return ControlFields(control()).flag(f::is_default) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  }

  void apply_font() { m_font.apply(m_button, ControlFields(control()), font_fields); }

  HWND m_button = nullptr;
  PaneFont m_font;
};

}  // namespace

Pane* make_push_button_pane(ZObject* control, const ControlKind&) { return build_system_pane<PushButtonPane>(control); }

}  // namespace zrt
