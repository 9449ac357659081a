// The list box's pane, "NuListbox": a "ZT_Pane" window with a vertical
// scroll bar on which the runtime draws the rows in view itself (no Win32
// list control), laid out by list_layout. Clicks, drags and keys go to the
// list's portable input handling (list_input); an EDIT child is the field
// in which the user edits a cell (list_editing).
#include "runtime/core/events.h"
#include "runtime/graphics/font_cache.h"
#include "runtime/graphics/pictures_win32.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/list_actions.h"
#include "runtime/ui/list_binding.h"
#include "runtime/ui/list_editing.h"
#include "runtime/ui/list_input.h"
#include "runtime/ui/list_pane.h"
#include "runtime/ui/pane_font_win32.h"
#include "runtime/ui/system_pane_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace zrt {
namespace {

namespace f = zif::listbox_fields;

constexpr int minimum_hierarchical_row_height = 18;
constexpr COLORREF disabled_text = RGB(0x88, 0x88, 0x88);
// Asks the pane to bring its scroll bar up to date, once after many rows
// were added.
constexpr UINT update_scroll_message = WM_APP + 0x51;
// Asks the pane to finish editing once its edit field lost the focus.
constexpr UINT finish_edit_message = WM_APP + 0x52;

// The list's font and its variants for cells with style bits, from the font
// cache, made when first needed.
class StyledFonts {
 public:
  StyledFonts() = default;
  StyledFonts(const StyledFonts&) = delete;
  StyledFonts& operator=(const StyledFonts&) = delete;
  ~StyledFonts() { forget(); }

  HFONT font(const ControlFields& fields, std::uint8_t style) {
    FontEntry*& entry = m_entries[style & 7];
    if (entry == nullptr) {
      const std::string name = text_field(fields, f::text_font);
      entry = acquire_font(FontRequest{name, fields.value<std::int16_t>(f::text_size),
                                       fields.flag(f::bold) || (style & cell_bold) != 0,
                                       fields.flag(f::italic) || (style & cell_italic) != 0,
                                       fields.flag(f::underline) || (style & cell_underline) != 0});
    }
    return static_cast<HFONT>(system_font_of(entry));
  }

  void forget() {
    for (FontEntry*& entry : m_entries) release_font(std::exchange(entry, nullptr));
  }

 private:
  std::array<FontEntry*, 8> m_entries{};
};

class ListboxPane final : public SystemPane, public ListPane {
 public:
  using SystemPane::SystemPane;
  ListboxPane(const ListboxPane&) = delete;
  ListboxPane& operator=(const ListboxPane&) = delete;
  // The edit field goes quietly: nothing is finished while the list goes.
  ~ListboxPane() override {
    const HWND edit = std::exchange(m_edit, nullptr);
    if (edit == nullptr) return;
    if (::GetFocus() == edit) ::SetFocus(root());
    ::DestroyWindow(edit);
  }

  void build() {
    create_handle("ZT_Pane", "", WS_VSCROLL, 0);
    ::GetClientRect(handle(), &m_client);
    lay_out_columns(control());
    measure_rows();
    update_scroll_bar();
  }

  // Pane operations.
  void set_bounds(Bounds bounds, bool redraw) override {
    SystemPane::set_bounds(bounds, redraw);
    lay_out_columns(control());
    update_scroll_bar();
    place_edit_field();
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  void state_command(std::int32_t command) override {
    if (command == pane_disable || command == pane_hide) finish_cell_edit(control(), *this, true);
    SystemPane::state_command(command);
    if (command == pane_enable || command == pane_disable) ::InvalidateRect(handle(), nullptr, FALSE);
  }

  bool accepts_focus() const override { return visible() && enabled(); }

  void control_changed(std::int32_t field) override {
    if (field == f::text_font || field == f::text_size || field == f::bold || field == f::italic ||
        field == f::underline) {
      m_fonts.forget();
      measure_rows();
      update_scroll_bar();
    }
    place_edit_field();
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  // Return keeps the edited text and Escape drops it; the other keys go
  // their usual way (Tab moves the focus on, which keeps the text).
  bool child_key(WPARAM key) override {
    if (m_edit == nullptr || (key != VK_RETURN && key != VK_ESCAPE)) return false;
    finish_cell_edit(control(), *this, key == VK_RETURN);
    return true;
  }

  // List pane operations.
  [[nodiscard]] ListGeometry geometry() const override {
    return list_geometry(control(), m_row_height, m_client.bottom, m_top);
  }

  void rows_changed(std::int32_t first) override {
    request_scroll_update();
    place_edit_field();
    const std::int32_t rows = geometry().rows_in_view();
    if (first < m_top) first = m_top;
    if (first < m_top + rows + 1) invalidate_rows(first, rows + 1);
  }

  void redraw_row(std::int32_t row) override {
    if (row >= m_top && row <= m_top + geometry().rows_in_view()) invalidate_rows(row, 1);
  }

  void scroll_into_view(std::int32_t row) override {
    const std::int32_t rows = geometry().rows_in_view();
    if (row < m_top)
      scroll_to(row);
    else if (row >= m_top + rows)
      scroll_to(row - rows + 1);
  }

  void scroll_to(std::int32_t top) override {
    top = std::clamp(top, 0, std::max(model().count() - geometry().rows_in_view(), 0));
    if (top == m_top) return;
    m_top = top;
    ::SetScrollPos(handle(), SB_VERT, m_top, TRUE);
    place_edit_field();
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  void show_edit_field(ZString* text) override {
    if (m_edit == nullptr) {
      m_edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0, handle(), nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
      if (m_edit == nullptr) {
        model().editing.row = -1;
        return;
      }
    }
    ::SendMessageA(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.font(ControlFields(control()), 0)), FALSE);
    ::SetWindowTextA(m_edit, std::string(string_text(text)).c_str());
    place_edit_field();
    ::SendMessageA(m_edit, EM_SETSEL, 0, -1);
    ::SetFocus(m_edit);
  }

  [[nodiscard]] StringRef edit_field_text() const override {
    std::string text(static_cast<std::size_t>(std::max(::GetWindowTextLengthA(m_edit), 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_edit, text.data(), static_cast<int>(text.size()))));
    return StringRef::adopt(make_string(text));
  }

  void hide_edit_field() override {
    const HWND edit = std::exchange(m_edit, nullptr);
    if (edit == nullptr) return;
    if (::GetFocus() == edit) ::SetFocus(handle());
    ::DestroyWindow(edit);
  }

  bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override {
    result = 0;
    switch (message) {
      case WM_PAINT: paint(); return true;
      case WM_ERASEBKGND: result = 1; return true;
      case WM_LBUTTONDOWN: mouse_down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), wparam); return true;
      // Only a move with the button down drags: the system may report the
      // pointer where it is when the capture starts.
      case WM_MOUSEMOVE:
        if (mouse().tracking && (wparam & MK_LBUTTON) != 0) drag_to(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
        return true;
      case WM_LBUTTONUP: end_drag(); return true;
      case WM_CAPTURECHANGED: release_list(*this); return true;
      case WM_SIZE:
        m_client = {0, 0, LOWORD(lparam), HIWORD(lparam)};
        return false;
      case WM_VSCROLL: scroll_by_bar(LOWORD(wparam)); return true;
      case WM_MOUSEWHEEL: scroll_to(m_top - GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA * 3); return true;
      case WM_KEYDOWN: return navigate(wparam);
      case WM_SETFOCUS:
      case WM_KILLFOCUS: focus_changed(message == WM_SETFOCUS, reinterpret_cast<HWND>(wparam)); return true;
      // The field loses the focus inside its own message: it is finished
      // once that is over.
      case WM_COMMAND:
        if (reinterpret_cast<HWND>(lparam) == m_edit && HIWORD(wparam) == EN_KILLFOCUS)
          ::PostMessageA(handle(), finish_edit_message, 0, 0);
        return true;
      case finish_edit_message:
        if (m_edit != nullptr && ::GetFocus() != m_edit) finish_cell_edit(control(), *this, true);
        return true;
      case update_scroll_message:
        m_scroll_update_posted = false;
        update_scroll_bar();
        return true;
      default: return false;
    }
  }

 private:
  [[nodiscard]] bool hierarchical() const { return ControlFields(control()).flag(f::hierarchical); }
  [[nodiscard]] bool focus_ring() const { return ControlFields(control()).flag(f::use_focus_ring); }

  void measure_rows() {
    HDC context = ::GetDC(handle());
    const HGDIOBJ old = ::SelectObject(context, m_fonts.font(ControlFields(control()), 0));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(context, &metrics);
    ::SelectObject(context, old);
    ::ReleaseDC(handle(), context);
    m_row_height = std::max<int>(metrics.tmHeight, 1);
    if (hierarchical()) m_row_height = std::max(m_row_height, minimum_hierarchical_row_height);
  }

  void invalidate_rows(std::int32_t first, std::int32_t count) {
    const ListGeometry layout = geometry();
    const RECT rows{0, std::max(layout.row_top(first), layout.heading_height), m_client.right,
                    layout.row_top(first + count)};
    ::InvalidateRect(handle(), &rows, FALSE);
  }

  // The edit field sits over the text of the cell being edited, and goes
  // when the editing ended because its row did.
  void place_edit_field() {
    if (m_edit == nullptr) return;
    const ListModel::CellEdit edited = model().editing;
    if (!model().holds(edited.row)) {
      hide_edit_field();
      return;
    }
    const ListGeometry layout = geometry();
    const CellLayout cell = lay_out_cell(layout, model().row(edited.row), edited.column);
    const int top = layout.row_top(edited.row);
    const bool in_view = edited.row >= m_top && edited.row < m_top + layout.rows_in_view();
    ::SetWindowPos(m_edit, HWND_TOP, cell.text_left - 1, top, std::max(cell.right - cell.text_left, 8),
                   layout.row_height, SWP_NOACTIVATE | (in_view ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  }

  // The focus moving between the list and its own edit field stays within
  // the list: no GotFocus or LostFocus.
  void focus_changed(bool focused, HWND other) {
    if (focus_ring()) ::InvalidateRect(handle(), nullptr, FALSE);
    if (other == nullptr || !::IsChild(handle(), other))
      raise_event(control(), focused ? zif::EventName{"Listbox", "GotFocus"} : zif::EventName{"Listbox", "LostFocus"});
  }

  // Scrolling.
  void request_scroll_update() {
    if (m_scroll_update_posted) return;
    m_scroll_update_posted = true;
    ::PostMessageA(handle(), update_scroll_message, 0, 0);
  }

  void update_scroll_bar() {
    const std::int32_t rows = geometry().rows_in_view();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(model().count() - 1, 0);
    info.nPage = static_cast<UINT>(rows);
    const std::int32_t top = std::clamp(m_top, 0, std::max(model().count() - rows, 0));
    if (top != m_top) ::InvalidateRect(handle(), nullptr, FALSE);
    m_top = top;
    info.nPos = m_top;
    ::SetScrollInfo(handle(), SB_VERT, &info, TRUE);
  }

  void scroll_by_bar(WORD code) {
    const std::int32_t rows = geometry().rows_in_view();
    switch (code) {
      case SB_LINEUP: scroll_to(m_top - 1); break;
      case SB_LINEDOWN: scroll_to(m_top + 1); break;
      case SB_PAGEUP: scroll_to(m_top - rows); break;
      case SB_PAGEDOWN: scroll_to(m_top + rows); break;
      case SB_TOP: scroll_to(0); break;
      case SB_BOTTOM: scroll_to(model().count()); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(handle(), SB_VERT, &info);
        scroll_to(info.nTrackPos);
        break;
      }
      default: break;
    }
  }

  // Drawing.
  void paint() {
    PAINTSTRUCT paint{};
    HDC context = ::BeginPaint(handle(), &paint);
    const ListGeometry layout = geometry();
    ::SelectObject(context, m_fonts.font(ControlFields(control()), 0));
    ::SetBkMode(context, TRANSPARENT);
    if (layout.heading_height > 0) draw_heading(context, layout);
    const std::int32_t first = std::max(layout.row_at(std::max<int>(paint.rcPaint.top, layout.heading_height)), m_top);
    const std::int32_t last = std::min(layout.row_at(paint.rcPaint.bottom - 1), model().count() - 1);
    for (std::int32_t row = first; row <= last; ++row) draw_row(context, layout, row);
    const RECT below{0, std::max(layout.row_top(last + 1), layout.heading_height), m_client.right, m_client.bottom};
    if (below.top < below.bottom) ::FillRect(context, &below, ::GetSysColorBrush(COLOR_WINDOW));
    if (focus_ring() && ::GetFocus() == handle()) {
      RECT ring = m_client;
      ::InflateRect(&ring, -1, -1);
      ::DrawFocusRect(context, &ring);
    }
    ::EndPaint(handle(), &paint);
  }

  void draw_heading(HDC context, const ListGeometry& layout) {
    const RECT heading{0, 0, m_client.right, layout.heading_height};
    ::FillRect(context, &heading, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetTextColor(context, ::GetSysColor(COLOR_BTNTEXT));
    for (std::int32_t column = 0; column < static_cast<std::int32_t>(layout.widths.size()); ++column) {
      const int left = layout.column_left(column);
      RECT box{left, 0, left + layout.widths[static_cast<std::size_t>(column)], layout.heading_height};
      ::DrawEdge(context, &box, EDGE_RAISED, BF_RECT);
      box.left += list_cell_margin;
      const std::string_view text = string_text(model().heading(column));
      ::DrawTextA(context, text.data(), static_cast<int>(text.size()), &box,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
  }

  void draw_row(HDC context, const ListGeometry& layout, std::int32_t index) {
    const ListRow& row = model().row(index);
    const bool shown_selected = enabled() && model().selection().contains(index);
    const RECT box{0, layout.row_top(index), m_client.right, layout.row_top(index) + layout.row_height};
    ::FillRect(context, &box, ::GetSysColorBrush(shown_selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(context, !enabled()       ? disabled_text
                            : shown_selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                             : ::GetSysColor(COLOR_WINDOWTEXT));
    if (hierarchical() && row.is_folder()) draw_triangle(context, row, box.top, layout.row_height);
    // Columns beyond ColumnCount are not drawn.
    for (std::int32_t column = 0; column < static_cast<std::int32_t>(layout.widths.size()); ++column)
      draw_cell(context, layout, index, column, box);
  }

  void draw_cell(HDC context, const ListGeometry& layout, std::int32_t index, std::int32_t column, const RECT& row_box) {
    const ListRow& row = model().row(index);
    const CellLayout parts = lay_out_cell(layout, row, column);
    const int right = parts.right - list_cell_margin;
    if (parts.picture_left >= 0) draw_picture(context, row.picture.get(), parts, row_box.top + 1);
    if (parts.check_box_left >= 0 && parts.check_box_left + list_check_box_size <= right) {
      const int top = (row_box.top + row_box.bottom - list_check_box_size) / 2;
      RECT check{parts.check_box_left, top, parts.check_box_left + list_check_box_size, top + list_check_box_size};
      const ListCell* cell = row.cell(column);
      ::DrawFrameControl(context, &check, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (cell != nullptr && cell->check != 0 ? DFCS_CHECKED : 0) |
                             (enabled() ? 0 : DFCS_INACTIVE));
    }
    if (right <= parts.text_left) return;
    const StringRef text = shown_cell_text(control(), model(), index, column);
    if (text.text().empty()) return;
    const ListCell* cell = row.cell(column);
    const std::uint8_t style = cell != nullptr ? cell->style : 0;
    const ControlFields fields(control());
    if (style != 0) ::SelectObject(context, m_fonts.font(fields, style));
    const std::int32_t cell_alignment = cell != nullptr ? cell->alignment : 0;
    const std::int32_t alignment = cell_alignment != 0 ? cell_alignment : column_alignment(column);
    const UINT horizontal = alignment == 2 ? DT_CENTER : alignment == 3 ? DT_RIGHT : DT_LEFT;
    RECT box{parts.text_left, row_box.top, right, row_box.bottom};
    ::OffsetRect(&box, cell != nullptr ? cell->alignment_offset : 0, 0);
    ::DrawTextA(context, text.text().data(), static_cast<int>(text.text().size()), &box,
                horizontal | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (style != 0) ::SelectObject(context, m_fonts.font(fields, 0));
  }

  static void draw_picture(HDC context, ZObject* picture, const CellLayout& parts, int top) {
    BitmapSurface* surface = surface_of(picture);
    if (surface == nullptr) return;
    const PictureFit fit = fit_picture(surface->width(), surface->height(), parts.picture_left, top, parts.picture_side);
    surface->draw_into(context,
                       PictureCopy{{fit.left, fit.top, fit.width, fit.height}, {0, 0, surface->width(), surface->height()}},
                       is_transparent(picture));
  }

  [[nodiscard]] std::int32_t column_alignment(std::int32_t column) const {
    return *field_bytes(control(), f::column_alignments + column, 1);
  }

  // The folder triangle: pointing right while collapsed, down while expanded.
  static void draw_triangle(HDC context, const ListRow& row, int top, int row_height) {
    const int left = triangle_left(row);
    const int middle = top + row_height / 2;
    const int half = list_triangle_width / 2;
    POINT corners[3];
    if (row.state == expanded_folder) {
      corners[0] = {left, middle - half / 2 - 1};
      corners[1] = {left + list_triangle_width, middle - half / 2 - 1};
      corners[2] = {left + half, middle + half / 2 + 1};
    } else {
      corners[0] = {left + 2, middle - half};
      corners[1] = {left + 2 + half, middle};
      corners[2] = {left + 2, middle + half};
    }
    const HGDIOBJ old_brush = ::SelectObject(context, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    const HPEN pen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    const HGDIOBJ old_pen = ::SelectObject(context, pen);
    ::Polygon(context, corners, 3);
    ::SelectObject(context, old_pen);
    ::SelectObject(context, old_brush);
    ::DeleteObject(pen);
  }

  // The mouse: the list takes the focus, then the portable handling decides.
  void mouse_down(int x, int y, WPARAM keys) {
    if (!enabled()) return;
    const HWND own = handle();
    if (y >= geometry().heading_height) {
      ::SetFocus(own);
      if (!::IsWindow(own)) return;
    }
    const std::uint32_t modifiers = (keys & MK_SHIFT) != 0 ? list_shift_modifier : 0;
    const bool tracking = press_list(control(), *this, x, y, modifiers, static_cast<std::uint32_t>(::GetMessageTime()),
                                     ::GetDoubleClickTime());
    if (tracking && ::IsWindow(own)) ::SetCapture(own);
  }

  // Handlers run while dragging may close the window, and the pane with it.
  void drag_to(int x, int y) {
    const HWND own = handle();
    const bool still_tracking = drag_list(control(), *this, x, y);
    if (::IsWindow(own) && !still_tracking) end_drag();
  }

  void end_drag() {
    release_list(*this);
    if (::GetCapture() == handle()) ::ReleaseCapture();
  }

  // The keys move the selection and scroll it into view.
  bool navigate(WPARAM key) {
    ListKey moved{};
    switch (key) {
      case VK_UP: moved = ListKey::up; break;
      case VK_DOWN: moved = ListKey::down; break;
      case VK_PRIOR: moved = ListKey::page_up; break;
      case VK_NEXT: moved = ListKey::page_down; break;
      case VK_HOME: moved = ListKey::home; break;
      case VK_END: moved = ListKey::end; break;
      default: return false;
    }
    press_list_key(control(), *this, moved);
    return true;
  }

  StyledFonts m_fonts;
  RECT m_client{};
  int m_row_height = minimum_hierarchical_row_height;
  std::int32_t m_top = 0;
  bool m_scroll_update_posted = false;
  HWND m_edit = nullptr;
};

}  // namespace

Pane* make_listbox_pane(ZObject* control, const ControlKind&) { return build_system_pane<ListboxPane>(control); }

}  // namespace zrt
