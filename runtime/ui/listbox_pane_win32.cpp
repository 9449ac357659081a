// The list box's pane, "NuListbox": a "ZT_Pane" window with a vertical
// scroll bar on which the runtime draws the rows itself (no Win32 list
// control), and which turns clicks, drags and keys into selection changes,
// folder toggles and heading clicks.
#include "runtime/core/events.h"
#include "runtime/graphics/font_cache.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_panes.h"
#include "runtime/ui/list_actions.h"
#include "runtime/ui/list_pane.h"
#include "runtime/ui/pane_font_win32.h"
#include "runtime/ui/system_pane_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <utility>

namespace zrt {
namespace {

namespace f = zif::listbox_fields;

constexpr int minimum_hierarchical_row_height = 18;
constexpr int indent_per_level = 12;
constexpr int folder_indent = 20;
constexpr int triangle_width = 10;
constexpr int triangle_left = 5;
constexpr int cell_margin = 2;
constexpr int check_box_size = 12;
// The cell type (or, for a cell of type 0, the column type) that shows a
// check box.
constexpr std::int32_t check_box_cell = 2;
constexpr COLORREF disabled_text = RGB(0x88, 0x88, 0x88);
// Asks the pane to bring its scroll bar up to date, once after many rows
// were added.
constexpr UINT update_scroll_message = WM_APP + 0x51;

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
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  void state_command(std::int32_t command) override {
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
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  // List pane operations.
  void rows_changed(std::int32_t first) override {
    request_scroll_update();
    if (first < m_top) first = m_top;
    if (first < m_top + rows_in_view() + 1) invalidate_rows(first, rows_in_view() + 1);
  }

  void redraw_row(std::int32_t row) override {
    if (row >= m_top && row <= m_top + rows_in_view()) invalidate_rows(row, 1);
  }

  void scroll_into_view(std::int32_t row) override {
    if (row < m_top)
      scroll_to(row);
    else if (row >= m_top + rows_in_view())
      scroll_to(row - rows_in_view() + 1);
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
        if (m_dragging && (wparam & MK_LBUTTON) != 0) drag_to(GET_Y_LPARAM(lparam));
        return true;
      case WM_LBUTTONUP: end_drag(); return true;
      case WM_CAPTURECHANGED: m_dragging = false; return true;
      case WM_SIZE:
        m_client = {0, 0, LOWORD(lparam), HIWORD(lparam)};
        return false;
      case WM_VSCROLL: scroll_by_bar(LOWORD(wparam)); return true;
      case WM_MOUSEWHEEL: scroll_to(m_top - GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA * 3); return true;
      case WM_KEYDOWN: return navigate(wparam);
      case WM_SETFOCUS: raise_event(control(), "GotFocus"); return true;
      case WM_KILLFOCUS: raise_event(control(), "LostFocus"); return true;
      case update_scroll_message:
        m_scroll_update_posted = false;
        update_scroll_bar();
        return true;
      default: return false;
    }
  }

 private:
  // Geometry.
  [[nodiscard]] bool hierarchical() const { return ControlFields(control()).flag(f::hierarchical); }
  [[nodiscard]] int heading_height() const {
    return ControlFields(control()).flag(f::has_heading) ? m_row_height : 0;
  }
  [[nodiscard]] const RECT& client() const { return m_client; }
  [[nodiscard]] std::int32_t rows_in_view() const {
    return std::max<std::int32_t>((client().bottom - heading_height()) / m_row_height, 1);
  }
  [[nodiscard]] int row_top(std::int32_t row) const { return heading_height() + (row - m_top) * m_row_height; }
  // The row under a point of the pane, which may be beyond the last row.
  [[nodiscard]] std::int32_t row_at(int y) const { return m_top + (y - heading_height()) / m_row_height; }
  [[nodiscard]] std::int32_t column_count() const { return ControlFields(control()).value<std::int32_t>(f::column_count); }

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
    const RECT area = client();
    const RECT rows{0, std::max(row_top(first), heading_height()), area.right, row_top(first + count)};
    ::InvalidateRect(handle(), &rows, FALSE);
  }

  // Scrolling.
  void request_scroll_update() {
    if (m_scroll_update_posted) return;
    m_scroll_update_posted = true;
    ::PostMessageA(handle(), update_scroll_message, 0, 0);
  }

  void update_scroll_bar() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(model().count() - 1, 0);
    info.nPage = static_cast<UINT>(rows_in_view());
    const std::int32_t top = std::clamp(m_top, 0, std::max(model().count() - rows_in_view(), 0));
    if (top != m_top) ::InvalidateRect(handle(), nullptr, FALSE);
    m_top = top;
    info.nPos = m_top;
    ::SetScrollInfo(handle(), SB_VERT, &info, TRUE);
  }

  void scroll_to(std::int32_t top) {
    top = std::clamp(top, 0, std::max(model().count() - rows_in_view(), 0));
    if (top == m_top) return;
    m_top = top;
    ::SetScrollPos(handle(), SB_VERT, m_top, TRUE);
    ::InvalidateRect(handle(), nullptr, FALSE);
  }

  void scroll_by_bar(WORD code) {
    switch (code) {
      case SB_LINEUP: scroll_to(m_top - 1); break;
      case SB_LINEDOWN: scroll_to(m_top + 1); break;
      case SB_PAGEUP: scroll_to(m_top - rows_in_view()); break;
      case SB_PAGEDOWN: scroll_to(m_top + rows_in_view()); break;
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
    const RECT area = client();
    const ControlFields fields(control());
    ::SelectObject(context, m_fonts.font(fields, 0));
    ::SetBkMode(context, TRANSPARENT);
    if (heading_height() > 0) draw_heading(context, area);
    const std::int32_t first = std::max(row_at(paint.rcPaint.top), m_top);
    const std::int32_t last = std::min(row_at(paint.rcPaint.bottom - 1), model().count() - 1);
    for (std::int32_t row = first; row <= last; ++row) draw_row(context, row, area.right);
    const RECT below{0, std::max(row_top(last + 1), heading_height()), area.right, area.bottom};
    if (below.top < below.bottom) ::FillRect(context, &below, ::GetSysColorBrush(COLOR_WINDOW));
    ::EndPaint(handle(), &paint);
  }

  void draw_heading(HDC context, const RECT& area) {
    const RECT heading{0, 0, area.right, heading_height()};
    ::FillRect(context, &heading, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetTextColor(context, ::GetSysColor(COLOR_BTNTEXT));
    int left = 0;
    for (std::int32_t column = 0; column < column_count(); ++column) {
      const int width = column_width(control(), column);
      RECT box{left, 0, left + width, heading_height()};
      ::DrawEdge(context, &box, EDGE_RAISED, BF_RECT);
      box.left += cell_margin;
      const std::string_view text = string_text(model().heading(column));
      ::DrawTextA(context, text.data(), static_cast<int>(text.size()), &box,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
      left += width;
    }
  }

  void draw_row(HDC context, std::int32_t index, int right) {
    const ListRow& row = model().row(index);
    const bool shown_selected = enabled() && model().selection().contains(index);
    const RECT box{0, row_top(index), right, row_top(index) + m_row_height};
    ::FillRect(context, &box, ::GetSysColorBrush(shown_selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(context, !enabled()       ? disabled_text
                            : shown_selected ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                                             : ::GetSysColor(COLOR_WINDOWTEXT));
    if (hierarchical() && row.is_folder()) draw_triangle(context, row, box.top);
    const ControlFields fields(control());
    for (const ListCell& cell : row.cells) {
      if (cell.column < 0 || cell.column >= column_count()) continue;
      const RECT cell_box{cell_left(row, cell.column), box.top,
                          column_left(cell.column) + column_width(control(), cell.column), box.bottom};
      draw_cell(context, fields, cell, cell_box);
    }
  }

  [[nodiscard]] int column_left(std::int32_t column) const {
    int left = 0;
    for (std::int32_t i = 0; i < column; ++i) left += column_width(control(), i);
    return left;
  }

  // Where a row's cell starts: column 0 of a hierarchical list is indented.
  [[nodiscard]] int cell_left(const ListRow& row, std::int32_t column) const {
    const int left = column_left(column);
    return column == 0 && hierarchical() ? left + indent_per_level * row.indent + folder_indent : left;
  }

  void draw_cell(HDC context, const ControlFields& fields, const ListCell& cell, RECT box) {
    box.left += cell_margin;
    box.right -= cell_margin;
    if (box.right <= box.left) return;
    if (shows_check_box(cell)) {
      RECT check = check_box_of(box);
      ::DrawFrameControl(context, &check, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (cell.check != 0 ? DFCS_CHECKED : 0) | (enabled() ? 0 : DFCS_INACTIVE));
      box.left = check.right + cell_margin;
    }
    const std::string_view text = cell.text.text();
    if (text.empty()) return;
    if (cell.style != 0) ::SelectObject(context, m_fonts.font(fields, cell.style));
    const std::int32_t alignment = cell.alignment != 0 ? cell.alignment : column_alignment(cell.column);
    const UINT horizontal = alignment == 2 ? DT_CENTER : alignment == 3 ? DT_RIGHT : DT_LEFT;
    ::OffsetRect(&box, cell.alignment_offset, 0);
    ::DrawTextA(context, text.data(), static_cast<int>(text.size()), &box,
                horizontal | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (cell.style != 0) ::SelectObject(context, m_fonts.font(fields, 0));
  }

  [[nodiscard]] std::int32_t column_alignment(std::int32_t column) const {
    return *field_bytes(control(), f::column_alignments + column, 1);
  }

  [[nodiscard]] bool shows_check_box(const ListCell& cell) const {
    const std::int32_t type = cell.type != 0 ? cell.type : *field_bytes(control(), f::column_types + cell.column, 1);
    return type == check_box_cell;
  }

  [[nodiscard]] RECT check_box_of(const RECT& box) const {
    const int top = (box.top + box.bottom - check_box_size) / 2;
    return {box.left, top, box.left + check_box_size, top + check_box_size};
  }

  // A click on a cell's check box turns it over and raises CellAction.
  bool toggle_check_box(std::int32_t index, int x) {
    ListRow& row = model().row(index);
    for (ListCell& cell : row.cells) {
      if (cell.column < 0 || cell.column >= column_count() || !shows_check_box(cell)) continue;
      const int left = cell_left(row, cell.column) + cell_margin;
      if (x < left || x >= left + check_box_size) continue;
      cell.check = cell.check != 0 ? 0 : 1;
      redraw_row(index);
      raise_event(control(), "CellAction", {static_cast<Word>(index), static_cast<Word>(cell.column)});
      return true;
    }
    return false;
  }

  // The folder triangle: pointing right while collapsed, down while expanded.
  void draw_triangle(HDC context, const ListRow& row, int top) const {
    const int left = indent_per_level * row.indent + triangle_left;
    const int middle = top + m_row_height / 2;
    const int half = triangle_width / 2;
    POINT corners[3];
    if (row.state == expanded_folder) {
      corners[0] = {left, middle - half / 2 - 1};
      corners[1] = {left + triangle_width, middle - half / 2 - 1};
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

  [[nodiscard]] bool on_triangle(const ListRow& row, int x) const {
    const int left = indent_per_level * row.indent + triangle_left;
    return hierarchical() && row.is_folder() && x >= left && x < left + triangle_width + 2;
  }

  // The mouse.
  [[nodiscard]] bool several_rows() const { return ControlFields(control()).value<std::int32_t>(f::selection_type) != 0; }

  void mouse_down(int x, int y, WPARAM keys) {
    if (!enabled()) return;
    const HWND own = handle();
    if (y < heading_height()) {
      heading_click(x);
      return;
    }
    ::SetFocus(own);
    if (!::IsWindow(own)) return;
    const std::int32_t row = row_at(y);
    const LONG time = ::GetMessageTime();
    const bool repeated = row == m_last_click_row && keys == m_last_click_keys &&
                          static_cast<DWORD>(time - m_last_click_time) <= ::GetDoubleClickTime();
    m_last_click_row = row;
    m_last_click_keys = keys;
    m_last_click_time = time;
    if (!model().holds(row)) {
      if (!model().selection().empty()) select_only(control(), *this, -1, false);
      return;
    }
    if (on_triangle(model().row(row), x)) {
      m_last_click_row = -1;
      set_row_expanded(control(), *this, row, model().row(row).state == collapsed_folder);
      return;
    }
    if (toggle_check_box(row, x)) {
      m_last_click_row = -1;
      return;
    }
    if (repeated && model().selection().contains(row)) {
      m_last_click_row = -1;
      raise_event(control(), "DoubleClick");
      return;
    }
    if (several_rows() && (keys & MK_SHIFT) != 0)
      select_from_anchor(control(), *this, row);
    else
      select_alone(row);
    if (!::IsWindow(own)) return;
    m_drag_anchor = model().anchor;
    m_dragging = true;
    ::SetCapture(own);
  }

  // A click on the row that is already the whole selection changes nothing.
  void select_alone(std::int32_t row) {
    const auto& ranges = model().selection().ranges();
    if (ranges.size() == 1 && ranges.front() == RowRange{row, 1}) return;
    select_only(control(), *this, row, false);
  }

  // Dragging selects the rows passed over; above or below the rows the list
  // scrolls a row per move.
  void drag_to(int y) {
    if (model().count() == 0) return;
    if (y < heading_height())
      scroll_to(m_top - 1);
    else if (y >= client().bottom)
      scroll_to(m_top + 1);
    const std::int32_t row = std::clamp(row_at(std::clamp<int>(y, heading_height(), client().bottom - 1)), 0,
                                        model().count() - 1);
    if (row != m_last_click_row) m_last_click_row = -1;
    if (!several_rows() || !model().holds(m_drag_anchor)) {
      select_alone(row);
      return;
    }
    const auto& ranges = model().selection().ranges();
    const RowRange wanted{std::min(row, m_drag_anchor), std::abs(row - m_drag_anchor) + 1};
    if (ranges.size() == 1 && ranges.front() == wanted) return;
    model().anchor = m_drag_anchor;
    select_from_anchor(control(), *this, row);
  }

  void end_drag() {
    if (!m_dragging) return;
    m_dragging = false;
    ::ReleaseCapture();
  }

  void heading_click(int x) {
    int left = 0;
    for (std::int32_t column = 0; column < column_count(); ++column) {
      left += column_width(control(), column);
      if (x < left) {
        sort_on_heading(control(), *this, column);
        return;
      }
    }
  }

  // The keys move the selection and scroll it into view.
  bool navigate(WPARAM key) {
    const std::int32_t current = model().selection().lowest();
    std::int32_t target = current;
    switch (key) {
      case VK_UP: target = current - 1; break;
      case VK_DOWN: target = current + 1; break;
      case VK_PRIOR: target = current - rows_in_view(); break;
      case VK_NEXT: target = current + rows_in_view(); break;
      case VK_HOME: target = 0; break;
      case VK_END: target = model().count() - 1; break;
      default: return false;
    }
    if (model().count() == 0) return true;
    target = std::clamp(target, 0, model().count() - 1);
    if (current < 0 && (key == VK_UP || key == VK_DOWN)) target = 0;
    select_only(control(), *this, target, true);
    return true;
  }

  StyledFonts m_fonts;
  RECT m_client{};
  int m_row_height = minimum_hierarchical_row_height;
  std::int32_t m_top = 0;
  bool m_scroll_update_posted = false;
  bool m_dragging = false;
  std::int32_t m_drag_anchor = -1;
  std::int32_t m_last_click_row = -1;
  WPARAM m_last_click_keys = 0;
  LONG m_last_click_time = 0;
};

}  // namespace

Pane* make_listbox_pane(ZObject* control, const ControlKind&) { return build_system_pane<ListboxPane>(control); }

}  // namespace zrt
