// Printing on a real printer: the PDF printer of the private CUPS server that
// scripts/with-printer starts. Compiled programs print through the print
// dialog, which the test confirms or cancels as a user would; the runtime
// prints without a dialog, measures the printer and keeps a setup's choice.
// The PDFs that come out are kept in printed/ with what they should show,
// for printed_pages_tests to read with the PDF tools.
#include "runtime/core/runtime_classes.h"
#include "runtime/graphics/device_names.h"
#include "runtime/interface/device_layout.h"
#include "runtime/interface/device_members.h"
#include "runtime/interface/exports.h"
#include "tests/core/object_test_support.h"
#include "tests/e2e/quellix_session.h"
#include "tests/images/image_runs.h"

#include <windows.h>
#include <winspool.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

namespace {

using image_runs::RunFolder;
using quellix::windows_path;
using namespace std::chrono_literals;

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

struct PageSize {
  int width = 0;
  int height = 0;
};

// The paper of the printer's description, as with-printer read it.
PageSize expected_page() {
  PageSize page;
  std::sscanf(environment("Z_PRINTER_PAGE").c_str(), "%d %d", &page.width, &page.height);
  return page;
}

// Device pixels become whole points by integer division, which can cost the
// page size one point.
void expect_page_size(int width, int height) {
  const PageSize paper = expected_page();
  EXPECT_NEAR(width, paper.width, 1);
  EXPECT_NEAR(height, paper.height, 1);
}

std::uint64_t file_time(const FILETIME& time) {
  return std::uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

std::uint64_t now() {
  FILETIME time{};
  ::GetSystemTimeAsFileTime(&time);
  return file_time(time);
}

bool ends_complete(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff size = file.tellg();
  if (size < 16) return false;
  file.seekg(size - 16);
  std::string tail(16, '\0');
  file.read(tail.data(), 16);
  return tail.find("%%EOF") != std::string::npos;
}

// The PDF the printer wrote after `since`, once it is complete; empty when
// none appears within a minute.
std::string wait_for_pdf(std::uint64_t since) {
  const std::string folder = windows_path(environment("Z_PDF_DIR")) + "\\";
  const auto deadline = std::chrono::steady_clock::now() + 60s;
  while (std::chrono::steady_clock::now() < deadline) {
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "*.pdf").c_str(), &found);
    std::string newest;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found))
      if (file_time(found.ftLastWriteTime) >= since) newest = folder + found.cFileName;
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
    if (!newest.empty() && ends_complete(newest)) return newest;
    std::this_thread::sleep_for(200ms);
  }
  return {};
}

std::string printed_list() { return windows_path(Z_PRINTED_DIR) + "\\printed.txt"; }

// Each run lists only what it printed.
class FreshList : public ::testing::Environment {
 public:
  void SetUp() override { ::DeleteFileA(printed_list().c_str()); }
};
const auto* const g_fresh_list = ::testing::AddGlobalTestEnvironment(new FreshList);

// What printed_pages_tests checks in a kept PDF: what its pages show (the
// inch-long line of the test programs, or Quellix's plot), how many there
// are, their size, the printable area's corner in points and whether page 1
// carries the text.
struct Expected {
  const char* shows;
  int pages;
  int left;
  int top;
  bool text;
};

void keep_pdf(const std::string& pdf, const std::string& name, const Expected& expected) {
  ASSERT_FALSE(pdf.empty()) << "the printer wrote no PDF into " << environment("Z_PDF_DIR");
  const std::string folder = windows_path(Z_PRINTED_DIR);
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(::MoveFileExA(pdf.c_str(), (folder + "\\" + name + ".pdf").c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED));
  const PageSize paper = expected_page();
  std::ofstream list(printed_list(), std::ios::app);
  list << name << ".pdf " << expected.shows << ' ' << expected.pages << ' ' << paper.width << ' ' << paper.height
       << ' ' << expected.left << ' ' << expected.top << ' ' << expected.text << '\n';
}

void post_command(HWND dialog, int command) {
  ::PostMessageA(dialog, WM_COMMAND, command, 0);
  for (int i = 0; i < 250 && ::IsWindow(dialog) && ::IsWindowVisible(dialog); ++i) std::this_thread::sleep_for(20ms);
}

// Confirms or cancels the print dialog that the process opens (a program of
// this test, or this test itself). The first dialog of a run may wait for the
// printer's description.
bool answer_print_dialog(DWORD process_id, int command) {
  HWND dialog = driver::wait_for_window("#32770", "Print", process_id, 60s);
  if (dialog == nullptr) return false;
  post_command(dialog, command);
  return true;
}

class Printing : public object_tests::ObjectTest {
 protected:
  void SetUp() override {
    ObjectTest::SetUp();
    if (const std::string reason = environment("Z_PRINTER_UNAVAILABLE"); !reason.empty())
      GTEST_SKIP() << "no printer: " << reason;
    if (environment("Z_PDF_DIR").empty()) GTEST_SKIP() << "no printer: run the tests through scripts/run-tests";
  }

  static zrt::ObjectRef new_setup() {
    return zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("PrinterSetup")));
  }

  // The inch-long line on each page, and where the printable area starts on
  // the default printer, in points.
  static Expected printed_from_corner(int pages, bool text) {
    const zrt::ObjectRef setup = new_setup();
    return {"line", pages, printerSetupInfoGetter(setup.get(), zif::printable_left),
            printerSetupInfoGetter(setup.get(), zif::printable_top), text};
  }
};

TEST_F(Printing, ACompiledProgramPrintsTwoPagesInPointsThroughThePrintDialog) {
  const std::uint64_t start = now();
  RunFolder folder("printing");
  folder.write("printing.exe", image_runs::built_program("printing"));
  const auto process = folder.start("printing.exe");
  ASSERT_TRUE(answer_print_dialog(process->id(), IDOK)) << "no print dialog";
  const std::optional<std::string> page = RunFolder::answer_box(*process);
  ASSERT_TRUE(page);
  int width = 0;
  int height = 0;
  int copies = 0;
  ASSERT_EQ(std::sscanf(page->c_str(), "page %d x %d, copies %d", &width, &height, &copies), 3) << *page;
  expect_page_size(width, height);
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(RunFolder::answer_box(*process), "printed");
  EXPECT_EQ(folder.finish(*process).exit_code, 0u);
  keep_pdf(wait_for_pdf(start), "two_pages", printed_from_corner(2, true));
}

// "Print" in Quellix's plot window: the print dialog, confirmed, gives one
// page with the plot's picture at the printable area's corner.
TEST_F(Printing, QuellixPrintsItsPlotOnOnePage) {
  const std::uint64_t start = now();
  quellix::Session session(Z_QUELLIX_EXE);
  ASSERT_TRUE(session.open(std::string(Z_SAMPLES_DIR) + "/demo-molecule.out"));
  ASSERT_TRUE(session.press(session.main(), "Recalculate"));
  HWND plot = session.show_plot("demo-molecule.out");
  ASSERT_NE(plot, nullptr);
  driver::press_button(session.button(plot, "Print"));
  ASSERT_TRUE(answer_print_dialog(session.id(), IDOK)) << "no print dialog";
  EXPECT_TRUE(session.settle(plot));
  session.quit();
  EXPECT_EQ(session.process().wait(), 0u);
  Expected plotted = printed_from_corner(1, false);
  plotted.shows = "plot";
  keep_pdf(wait_for_pdf(start), "quellix_plot", plotted);
}

TEST_F(Printing, CancellingThePrintDialogGivesNoGraphics) {
  RunFolder folder("printing_cancelled");
  folder.write("printing.exe", image_runs::built_program("printing"));
  const auto process = folder.start("printing.exe");
  ASSERT_TRUE(answer_print_dialog(process->id(), IDCANCEL)) << "no print dialog";
  EXPECT_EQ(RunFolder::answer_box(*process), "no printer graphics");
  EXPECT_EQ(folder.finish(*process).exit_code, 0u);
}

TEST_F(Printing, OpenPrinterPrintsOnTheDefaultPrinterWithoutAsking) {
  const std::uint64_t start = now();
  {
    const zrt::ObjectRef graphics = zrt::ObjectRef::adopt(RuntimeOpenPrinter(nullptr));
    ASSERT_NE(graphics.get(), nullptr);
    expect_page_size(graphicsWidthGetter(graphics.get(), 0), graphicsHeightGetter(graphics.get(), 0));
    EXPECT_EQ(graphicsCopiesGetter(graphics.get(), 0), 0);
    EXPECT_EQ(graphicsLastPageGetter(graphics.get(), 0), 0);
    RuntimeGraphicsDrawLine(graphics.get(), 72, 72, 144, 72);
  }
  keep_pdf(wait_for_pdf(start), "default_printer", printed_from_corner(1, false));
}

TEST_F(Printing, TheTenMeasurementsAreThoseOfThePrintersDeviceCapabilities) {
  const zrt::ObjectRef setup = new_setup();
  std::int32_t measured[10];
  for (std::int32_t i = 0; i < 10; ++i) measured[i] = printerSetupInfoGetter(setup.get(), i);
  EXPECT_EQ(printerSetupInfoGetter(setup.get(), 10), 0);

  // The setup now holds the default printer; the same printer, asked directly.
  HGLOBAL names_block = reinterpret_cast<HGLOBAL>(
      static_cast<std::uintptr_t>(*zrt::field_at(setup.get(), zif::printer_setup_fields::device_names)));
  ASSERT_NE(names_block, nullptr);
  const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(names_block));
  const auto names = zrt::read_device_names({bytes, ::GlobalSize(names_block)});
  ::GlobalUnlock(names_block);
  ASSERT_TRUE(names);
  char default_printer[256] = {};
  DWORD size = sizeof(default_printer);
  ASSERT_TRUE(::GetDefaultPrinterA(default_printer, &size));
  EXPECT_EQ(names->device, default_printer);
  HDC printer = ::CreateICA(names->driver.c_str(), names->device.c_str(), names->port.c_str(), nullptr);
  ASSERT_NE(printer, nullptr);
  const int per_inch_x = ::GetDeviceCaps(printer, LOGPIXELSX);
  const int per_inch_y = ::GetDeviceCaps(printer, LOGPIXELSY);
  const int width = ::GetDeviceCaps(printer, PHYSICALWIDTH);
  const int height = ::GetDeviceCaps(printer, PHYSICALHEIGHT);
  const int offset_x = ::GetDeviceCaps(printer, PHYSICALOFFSETX);
  const int offset_y = ::GetDeviceCaps(printer, PHYSICALOFFSETY);
  ::DeleteDC(printer);
  ASSERT_GT(per_inch_x, 0);
  ASSERT_GT(per_inch_y, 0);
  const std::int32_t expected[10] = {per_inch_y,
                                     per_inch_x,
                                     offset_x * 72 / per_inch_x,
                                     offset_y * 72 / per_inch_y,
                                     (width - offset_x) * 72 / per_inch_x,
                                     (height - offset_y) * 72 / per_inch_y,
                                     0,
                                     0,
                                     width * 72 / per_inch_x,
                                     height * 72 / per_inch_y};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(measured[i], expected[i]) << "measurement " << i;
  expect_page_size(measured[8], measured[9]);
}

// The setup's blocks as bytes, to see whether a dialog changed them.
std::vector<std::uint8_t> block_bytes(ZObject* setup, std::int32_t offset) {
  HGLOBAL block = reinterpret_cast<HGLOBAL>(static_cast<std::uintptr_t>(*zrt::field_at(setup, offset)));
  if (block == nullptr) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(block));
  std::vector<std::uint8_t> copy(bytes, bytes + ::GlobalSize(block));
  ::GlobalUnlock(block);
  return copy;
}

// The settings dialog runs on a thread of its own while the test answers it.
bool page_setup_answered(ZObject* setup, int command) {
  std::int32_t confirmed = -1;
  std::thread dialog([&] { confirmed = printerSetupPageSetup(setup); });
  const bool answered = answer_print_dialog(::GetCurrentProcessId(), command);
  dialog.join();
  EXPECT_TRUE(answered) << "no print dialog";
  return confirmed == 1;
}

TEST_F(Printing, PageSetupKeepsTheConfirmedChoiceAndACancelLeavesItAlone) {
  const std::uint64_t start = now();
  const zrt::ObjectRef setup = new_setup();
  ASSERT_TRUE(page_setup_answered(setup.get(), IDOK));
  const auto mode = block_bytes(setup.get(), zif::printer_setup_fields::device_mode);
  const auto names = block_bytes(setup.get(), zif::printer_setup_fields::device_names);
  ASSERT_FALSE(mode.empty());
  ASSERT_FALSE(names.empty());
  EXPECT_FALSE(page_setup_answered(setup.get(), IDCANCEL));
  EXPECT_EQ(block_bytes(setup.get(), zif::printer_setup_fields::device_mode), mode);
  EXPECT_EQ(block_bytes(setup.get(), zif::printer_setup_fields::device_names), names);
  // The kept choice prints without asking.
  {
    const zrt::ObjectRef graphics = zrt::ObjectRef::adopt(RuntimeOpenPrinter(setup.get()));
    ASSERT_NE(graphics.get(), nullptr);
    RuntimeGraphicsDrawLine(graphics.get(), 72, 72, 144, 72);
  }
  keep_pdf(wait_for_pdf(start), "kept_setup", printed_from_corner(1, false));
}

// Last: the prefix's printer list is emptied and the program finds no CUPS
// server to fill it again (Wine keeps the printers it once found when the
// server is gone); the next program that finds the server adds them again.
TEST_F(Printing, WithoutAnyPrinterBothWaysGiveNilAtOnceAndSilently) {
  HKEY printers = nullptr;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers", 0,
                            KEY_ALL_ACCESS, &printers),
            ERROR_SUCCESS);
  ::RegDeleteTreeA(printers, nullptr);
  ::RegCloseKey(printers);
  const std::string server = environment("CUPS_SERVER");
  ::SetEnvironmentVariableA("CUPS_SERVER", (server + ".absent").c_str());
  RunFolder folder("no_printer");
  folder.write("no_printer.exe", image_runs::built_program("no_printer"));
  const auto process = folder.start("no_printer.exe");
  ::SetEnvironmentVariableA("CUPS_SERVER", server.c_str());
  EXPECT_EQ(RunFolder::answer_box(*process), "dialog: Nil, no dialog: Nil");
  EXPECT_EQ(folder.finish(*process).exit_code, 0u);
}

}  // namespace
