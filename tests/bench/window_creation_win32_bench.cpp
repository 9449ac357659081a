// Time per call of the exported background routine on Windows, of creating
// and closing a window from a definition like the application's about
// window, of a window with fifteen controls, and of the about window with
// its four controls from creation to its first paint.
#include "runtime/core/module_instance.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/native_windows.h"
#include "tests/bench/bench.h"
#include "tests/core/image_data_builder.h"
#include "tests/ui/definition_builder.h"

#include <windows.h>

namespace {

constexpr double background_target_ns = 20;
constexpr double create_target_ns = 10'000'000;  // a system window made and destroyed, X server round trips under Wine
constexpr double first_paint_target_ns = 50'000'000;
constexpr double fifteen_controls_target_ns = 20'000'000;

// Class indices of the image.
enum ClassIndex : std::int32_t { window_class, static_text_class, push_button_class, canvas_class };

void* definition_address(zrt::Address stored) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(stored)); }

// The about window as the application defines it: three texts and a button.
std::vector<std::uint8_t> about_window_definition() {
  definition_tests::DefinitionBuilder definition;
  constexpr char long_text[] =
      "Use this application to extract raman data from a Gaussian output file. You  may save them to a textfile or "
      "create a plot on the screen.\r\rIf you export the plot data you may re-read the file with MS Excel to create "
      "the plot there.";
  definition.window(
      window_class,
      {{"Name", "AboutWin"}, {"Frame", "1"}, {"Placement", "2"}, {"Width", "390"}, {"Height", "249"},
       {"Title", "About..."}, {"Visible", "True"}, {"CloseBox", "True"}, {"BackColor", "16777215"}},
      {{static_text_class, {{"Name", "StaticText1"}, {"Left", "13"}, {"Top", "13"}, {"Width", "264"}, {"Height", "27"},
                            {"TextFont", "System"}, {"TextSize", "12"}, {"MultiLine", "True"}, {"Visible", "True"},
                            {"Text", "QUELL - The Quellix"}}},
       {static_text_class, {{"Name", "StaticText2"}, {"Left", "13"}, {"Top", "47"}, {"Width", "364"}, {"Height", "80"},
                            {"TextFont", "helvetica"}, {"TextSize", "10"}, {"MultiLine", "True"}, {"Visible", "True"},
                            {"Text", long_text}}},
       {static_text_class, {{"Name", "StaticText3"}, {"Left", "13"}, {"Top", "131"}, {"Width", "364"}, {"Height", "75"},
                            {"TextFont", "helvetica"}, {"TextSize", "10"}, {"MultiLine", "True"}, {"Visible", "True"},
                            {"Text", long_text}}},
       {push_button_class, {{"Name", "PushButton1"}, {"Left", "313"}, {"Top", "213"}, {"Width", "62"}, {"Height", "20"},
                            {"Caption", "OK"}, {"Default", "True"}, {"Enabled", "True"}, {"Visible", "True"},
                            {"TextFont", "System"}, {"TextSize", "12"}}}});
  return definition.with_length();
}

// A window with as many controls as the application's main window: buttons
// and labels in rows, and a canvas.
std::vector<std::uint8_t> fifteen_controls_definition() {
  definition_tests::DefinitionBuilder definition;
  definition.integer(3).integer(window_class);
  definition.pair("Width", "560").pair("Height", "530").pair("Visible", "True");
  definition.integer(15);
  for (int row = 0; row < 7; ++row) {
    const std::string top = std::to_string(20 + 30 * row);
    const std::string name = std::to_string(row);
    definition.control(push_button_class, {{"Name", "Button" + name}, {"Left", "400"}, {"Top", top}, {"Width", "99"},
                                           {"Height", "20"}, {"Caption", "Button"}, {"Enabled", "True"}, {"Visible", "True"}});
    definition.control(static_text_class, {{"Name", "Label" + name}, {"Left", "20"}, {"Top", top}, {"Width", "300"},
                                           {"Height", "20"}, {"Text", "Label"}, {"Visible", "True"}});
  }
  definition.control(canvas_class, {{"Name", "Plot"}, {"Left", "20"}, {"Top", "250"}, {"Width", "526"},
                                    {"Height", "260"}, {"Visible", "True"}});
  definition.integer(0);
  return definition.with_length();
}

// The time from RuntimeCreateWindow to a window made (or, when asked, shown
// and painted with its controls). Each window is closed before the next one
// is timed, outside the figure.
zbench::Timing time_windows(zrt::Address definition, bool paint) {
  using Clock = std::chrono::steady_clock;
  Clock::duration spent{};
  long long windows = 0;
  while (spent < std::chrono::milliseconds(500)) {
    const Clock::time_point start = Clock::now();
    ZObject* window = RuntimeCreateWindow(definition_address(definition), nullptr);
    if (paint) {
      // The event loop's window pass shows it; painting it and its buttons
      // then is the first paint.
      zrt::run_window_pass();
      HWND handle = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(windowHWNDGetter(window, 0)));
      if (!::IsWindowVisible(handle)) std::printf("the window was not shown\n");
      ::RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    spent += Clock::now() - start;
    ++windows;
    RuntimeCloseWindow(window);
    RuntimeUnlockObject(window);
    // What the closing left for the event loop is handled before the next
    // window, as a running program's loop would.
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
  }
  return {std::chrono::duration<double, std::nano>(spent).count() / static_cast<double>(windows), windows};
}

}  // namespace

int main() {
  zrt::set_module_instance(::GetModuleHandleA(nullptr));
  object_tests::ImageDataBuilder image;
  const std::vector<zrt::Address> classes = {image.runtime_class_reference("Window"),
                                             image.runtime_class_reference("StaticText"),
                                             image.runtime_class_reference("PushButton"),
                                             image.runtime_class_reference("Canvas")};
  definition_tests::DefinitionBuilder plain;
  plain.window(window_class, {{"Name", "AboutWin"}, {"Frame", "1"}, {"Width", "300"}, {"Height", "200"},
                              {"Title", "About"}, {"Visible", "True"}, {"CloseBox", "False"}, {"MacProcID", "0"}});
  const zrt::Address plain_window = image.bytes(plain.with_length());
  const zrt::Address about_window = image.bytes(about_window_definition());
  const zrt::Address fifteen_controls = image.bytes(fifteen_controls_definition());
  const zrt::Address descriptor = image.application_descriptor(classes, {});
  image.install_as_data1();
  RuntimeInit(reinterpret_cast<void*>(static_cast<std::uintptr_t>(descriptor)));

  zbench::report("RuntimeBackgroundTask, tick unchanged", zbench::measure([] { RuntimeBackgroundTask(); }),
                 background_target_ns);
  zbench::report("RuntimeCreateWindow + RuntimeCloseWindow", zbench::measure([&] {
                   ZObject* window = RuntimeCreateWindow(definition_address(plain_window), nullptr);
                   RuntimeCloseWindow(window);
                   RuntimeUnlockObject(window);
                 }),
                 create_target_ns);
  zbench::report("About window, 4 controls, to first paint", time_windows(about_window, true), first_paint_target_ns);
  zbench::report("RuntimeCreateWindow, 15 controls", time_windows(fifteen_controls, false), fifteen_controls_target_ns);
  return 0;
}
