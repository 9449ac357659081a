// Documents, pages and the point mapping of a print job.
#include "runtime/graphics/printer_page_win32.h"

namespace zrt {

PrinterGeometry printer_geometry(HDC context) {
  return {::GetDeviceCaps(context, LOGPIXELSX),      ::GetDeviceCaps(context, LOGPIXELSY),
          ::GetDeviceCaps(context, PHYSICALWIDTH),   ::GetDeviceCaps(context, PHYSICALHEIGHT),
          ::GetDeviceCaps(context, PHYSICALOFFSETX), ::GetDeviceCaps(context, PHYSICALOFFSETY)};
}

std::unique_ptr<PrinterPage> PrinterPage::start_job(HDC context) {
  DOCINFOA document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = "Document";
  // A job the printer refuses would print nothing: the caller gets no
  // graphics rather than one that silently draws into nothing.
  if (::StartDocA(context, &document) <= 0) {
    ::DeleteDC(context);
    return nullptr;
  }
  return std::unique_ptr<PrinterPage>(new PrinterPage(context, printer_geometry(context)));
}

PrinterPage::PrinterPage(HDC context, const PrinterGeometry& geometry)
    : m_context(context),
      m_points(page_size_in_points(geometry)),
      m_pixels{geometry.physical_width, geometry.physical_height} {
  start_page();
}

// A page with nothing drawn on it is still ended, so it is printed.
PrinterPage::~PrinterPage() {
  ::EndPage(m_context);
  ::EndDoc(m_context);
  ::DeleteDC(m_context);
}

void PrinterPage::next_page() {
  ::EndPage(m_context);
  start_page();
}

// Points in, device pixels out: a new page may come with the mapping reset.
void PrinterPage::start_page() {
  ::StartPage(m_context);
  ::SetMapMode(m_context, MM_ANISOTROPIC);
  ::SetWindowExtEx(m_context, m_points.width, m_points.height, nullptr);
  ::SetViewportExtEx(m_context, m_pixels.width, m_pixels.height, nullptr);
  ::SetTextAlign(m_context, TA_LEFT | TA_BASELINE);
}

}  // namespace zrt
