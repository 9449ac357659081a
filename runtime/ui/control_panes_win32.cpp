// The built-in control kinds' panes on Windows: the push button (a
// transparent "ZT_Pane" around a Win32 BUTTON), the static text (drawn into
// its window), the canvas (a "ZT_Pane" that raises Paint and the mouse
// events) and the group box (a Win32 BUTTON of the group style).
#include "runtime/ui/control_panes.h"

#include "runtime/core/events.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"
#include "runtime/graphics/font_cache.h"
#include "runtime/graphics/graphics_objects_win32.h"
#include "runtime/graphics/window_target_win32.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/control_object.h"
#include "runtime/ui/native_window.h"
#include "runtime/ui/system_pane_win32.h"
#include "runtime/ui/tool_tips_win32.h"
#include "runtime/ui/window_controls.h"
#include "runtime/ui/window_object.h"

#include <windowsx.h>

#include <memory>
#include <string>
#include <vector>

namespace zrt {
namespace {

namespace control_fields = zif::control_fields;

std::string text_field(const ControlFields& fields, std::int32_t offset) {
  return std::string(string_text(fields.string(offset)));
}

// A font of the cache, given back when the pane goes.
class PaneFont {
 public:
  PaneFont() = default;
  PaneFont(const PaneFont&) = delete;
  PaneFont& operator=(const PaneFont&) = delete;
  ~PaneFont() { release_font(m_entry); }

  // The font of the fields at these offsets: name, 16-bit size, then the
  // bold, italic and underline flags.
  HFONT take(const ControlFields& fields, std::int32_t name, std::int32_t size, std::int32_t bold,
             std::int32_t italic, std::int32_t underline) {
    const std::string face = text_field(fields, name);
    FontEntry* entry = acquire_font(FontRequest{face, fields.value<std::int16_t>(size), fields.flag(bold),
                                                fields.flag(italic), fields.flag(underline)});
    release_font(m_entry);
    m_entry = entry;
    return static_cast<HFONT>(system_font_of(m_entry));
  }

 private:
  FontEntry* m_entry = nullptr;
};

// Where a new pane's handle goes: into the last visible canvas pane with a
// handle whose rectangle holds the new pane's corners, else into the window.
struct Placement {
  HWND parent;
  POINT origin;
};

Placement parent_for(ZObject* window, HWND root, Bounds bounds) {
  Placement placement{root, {0, 0}};
  for (ZObject* other : window_controls_in_order(window)) {
    SystemPane* pane = system_pane_of(other);
    if (pane == nullptr || pane->handle() == nullptr || !pane->visible() || !is_canvas(other)) continue;
    const Bounds around = pane->bounds();
    if (encloses(around, bounds)) placement = {pane->handle(), {around.left, around.top}};
  }
  return placement;
}

class PushButtonPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() {
    namespace f = zif::push_button_fields;
    const ControlFields fields(control());
    create_handle("ZT_Pane", "", 0, WS_EX_TRANSPARENT);
    const Bounds b = bounds();
    const std::string caption = text_field(fields, f::caption);
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
    namespace f = zif::push_button_fields;
    const ControlFields fields(control());
    if (field == f::caption) {
      ::SetWindowTextA(m_button, text_field(fields, f::caption).c_str());
    } else if (field == f::is_default) {
      ::SendMessageA(m_button, BM_SETSTYLE, button_style(), TRUE);
    } else if (field != f::is_cancel) {
      apply_font();
    }
  }

  void command(std::int32_t code) override {
    if (code == BN_CLICKED && enabled()) raise_event(control(), "Action");
  }

 private:
  [[nodiscard]] DWORD button_style() const {
    return ControlFields(control()).flag(zif::push_button_fields::is_default) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  }

  void apply_font() {
    namespace f = zif::push_button_fields;
    HFONT font = m_font.take(ControlFields(control()), f::text_font, f::text_size, f::bold, f::italic, f::underline);
    ::SendMessageA(m_button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }

  HWND m_button = nullptr;
  PaneFont m_font;
};

class GroupBoxPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() {
    namespace f = zif::group_box_fields;
    create_handle("BUTTON", text_field(ControlFields(control()), f::caption).c_str(), BS_GROUPBOX, 0);
    apply_font();
  }

  void control_changed(std::int32_t field) override {
    namespace f = zif::group_box_fields;
    if (field == f::caption)
      ::SetWindowTextA(handle(), text_field(ControlFields(control()), f::caption).c_str());
    else
      apply_font();
  }

 private:
  void apply_font() {
    namespace f = zif::group_box_fields;
    HFONT font = m_font.take(ControlFields(control()), f::text_font, f::text_size, f::bold, f::italic, f::underline);
    ::SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }

  PaneFont m_font;
};

// Splits a text at CR, LF or CR LF, each counting once.
std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

COLORREF system_color(std::uint32_t rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

class StaticTextPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void paint_into_window(HDC context) override {
    namespace f = zif::static_text_fields;
    const ControlFields fields(control());
    HFONT font = m_font.take(fields, f::text_font, f::text_size, f::bold, f::italic, f::underline);
    ::SelectObject(context, font);
    ::SetTextColor(context, system_color(fields.value<std::uint32_t>(f::text_color)));
    ::SetBkMode(context, TRANSPARENT);
    const std::string text = text_field(fields, f::text);
    const std::int16_t align = fields.value<std::int16_t>(f::text_align);
    if (fields.flag(f::multi_line))
      draw_wrapped(context, text, align);
    else
      draw_lines(context, text, align);
  }

  void control_changed(std::int32_t) override { refresh(Bounds{}); }

 private:
  void draw_wrapped(HDC context, const std::string& text, std::int16_t align) const {
    static constexpr UINT formats[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const Bounds b = bounds();
    RECT area{b.left, b.top, b.right, 32767};
    ::SetTextAlign(context, TA_TOP);
    ::DrawTextA(context, text.c_str(), static_cast<int>(text.size()), &area,
                DT_WORDBREAK | DT_NOPREFIX | formats[align >= 0 && align <= 2 ? align : 0]);
    ::SetTextAlign(context, TA_BASELINE);
  }

  void draw_lines(HDC context, const std::string& text, std::int16_t align) const {
    const Bounds b = bounds();
    ::IntersectClipRect(context, b.left, b.top, b.right, b.bottom);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(context, &metrics);
    const UINT alignment = align == 1 ? TA_CENTER : align == 2 ? TA_RIGHT : TA_LEFT;
    const int x = align == 1 ? (b.left + b.right) / 2 : align == 2 ? b.right : b.left;
    ::SetTextAlign(context, alignment | TA_BASELINE);
    int baseline = b.top + metrics.tmAscent;
    for (const std::string& line : lines_of(text)) {
      ::TextOutA(context, x, baseline, line.c_str(), static_cast<int>(line.size()));
      baseline += metrics.tmHeight;
    }
  }

  mutable PaneFont m_font;
};

class CanvasPane final : public SystemPane {
 public:
  using SystemPane::SystemPane;

  void build() { create_handle("ZT_Pane", "", 0, 0); }

  ZObject* make_graphics() override {
    return new_graphics(std::make_unique<WindowTarget>(handle()), FontRequest{"System", 12});
  }

  ~CanvasPane() override {
    if (ZObject* graphics = ControlFields(control()).reference(zif::canvas_fields::graphics))
      cut_graphics_off(graphics);
  }

  bool handle_message(UINT message, WPARAM, LPARAM lparam, LRESULT& result) override {
    result = 0;
    switch (message) {
      case WM_PAINT: paint(); return true;
      case WM_LBUTTONDOWN: mouse_down(lparam); return true;
      case WM_MOUSEMOVE: if (m_tracking) raise_mouse("MouseDrag", lparam); return true;
      case WM_LBUTTONUP: mouse_up(lparam); return true;
      default: return false;
    }
  }

 private:
  void paint() {
    PAINTSTRUCT paint{};
    ::BeginPaint(handle(), &paint);
    if (visible()) {
      const ObjectRef graphics = ObjectRef::adopt(make_graphics());
      draw_backdrop(graphics.get(), ControlFields(control()).reference(zif::canvas_fields::backdrop));
      raise_event(control(), "Paint", {word_of_pointer(graphics.get())});
      cut_graphics_off(graphics.get());
    }
    ::EndPaint(handle(), &paint);
  }

  void mouse_down(LPARAM lparam) {
    if (!enabled()) return;
    const HWND own = handle();
    const bool track = raise_boolean_event(control(), "MouseDown", {x_word(lparam), y_word(lparam)});
    if (!track || !::IsWindow(own)) return;
    m_tracking = true;
    ::SetCapture(own);
  }

  void mouse_up(LPARAM lparam) {
    if (!m_tracking) return;
    m_tracking = false;
    ::ReleaseCapture();
    raise_mouse("MouseUp", lparam);
  }

  void raise_mouse(std::string_view event, LPARAM lparam) {
    raise_event(control(), event, {x_word(lparam), y_word(lparam)});
  }

  // Canvas events carry the point relative to the canvas, as the pane's
  // own messages give it.
  static Word x_word(LPARAM lparam) { return static_cast<Word>(GET_X_LPARAM(lparam)); }
  static Word y_word(LPARAM lparam) { return static_cast<Word>(GET_Y_LPARAM(lparam)); }

  bool m_tracking = false;
};

template <typename Kind>
Pane* build_pane(ZObject* control, HWND root) {
  ZObject* window = ControlFields(control).window();
  const Bounds bounds = ControlFields(control).bounds();
  const Placement placement = parent_for(window, root, bounds);
  auto pane = std::make_unique<Kind>(control, bounds, root, placement.parent, placement.origin);
  if constexpr (requires { pane->build(); }) pane->build();
  return pane.release();
}

}  // namespace

Pane* create_builtin_pane(ZObject* control) {
  ZObject* window = ControlFields(control).window();
  const NativeWindow* native = window != nullptr ? WindowFields(window).native() : nullptr;
  if (native == nullptr) return nullptr;
  HWND root = static_cast<HWND>(native->handle);
  if (is_control_of_kind(control, "PushButton")) return build_pane<PushButtonPane>(control, root);
  if (is_control_of_kind(control, "StaticText")) return build_pane<StaticTextPane>(control, root);
  if (is_control_of_kind(control, "Canvas")) return build_pane<CanvasPane>(control, root);
  if (is_control_of_kind(control, "GroupBox")) return build_pane<GroupBoxPane>(control, root);
  return nullptr;
}

}  // namespace zrt

extern "C" {

std::int32_t controlMouseXGetter(ZObject* control, std::int32_t) {
  return windowMouseXGetter(zrt::control_fields_of(control).window(), 0);
}

std::int32_t controlMouseYGetter(ZObject* control, std::int32_t) {
  return windowMouseYGetter(zrt::control_fields_of(control).window(), 0);
}

}  // extern "C"
