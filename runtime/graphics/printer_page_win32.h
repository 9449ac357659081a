// A print job as a drawing target: the printer's device context with the
// point mapping on every page, so drawing coordinates are points from the
// top-left corner of the printable area. The job runs from construction to
// destruction, which ends the last page and the document.
#pragma once

#include "runtime/graphics/drawing_target_win32.h"
#include "runtime/graphics/printer_geometry.h"

#include <memory>

namespace zrt {

[[nodiscard]] PrinterGeometry printer_geometry(HDC context);

class PrinterPage final : public DrawingTarget {
 public:
  // Starts the document "Document" and its first page on the context and
  // owns the context from then on; null (with the context deleted) when the
  // printer refuses the document.
  [[nodiscard]] static std::unique_ptr<PrinterPage> start_job(HDC context);
  ~PrinterPage() override;

  HDC acquire_context() override { return m_context; }
  void release_context(HDC) override {}
  int width() const override { return m_points.width; }
  int height() const override { return m_points.height; }
  void next_page() override;

 private:
  PrinterPage(HDC context, const PrinterGeometry& geometry);
  void start_page();

  HDC m_context;
  PageSize m_points;
  PageSize m_pixels;
};

}  // namespace zrt
