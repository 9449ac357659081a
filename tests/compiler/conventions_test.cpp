// The include zconventions generates for code written by hand: its
// call-site macros assemble to the very bytes zc writes behind a call, so
// the images the tests write by hand follow the format zc and the runtime
// share.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "compiler/assembly_writer.h"
#include "tests/compiler/assembler.h"

namespace {

class ConventionsTest : public image_test::AssembledTest {
 protected:
  // code1 of a function that calls f and is followed by `after_call`.
  std::vector<std::uint8_t> code_of(const std::string& after_call) {
    const auto include = m_dir / "conventions.inc";
    const std::string command = std::string(Z_CONVENTIONS_TOOL) + " " + include.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string source = ".include \"" + include.string() + "\"\n" + image_test::k_header_source +
                               ".text\nf:\n  ret\ncaller:\n" + after_call;
    return link(source).code1;
  }
};

TEST_F(ConventionsTest, CallSiteMacrosMatchTheListsZcWrites) {
  struct Case {
    const char* what;
    const char* macro;
    std::function<void(zc::AssemblyWriter&)> stack;
  };
  const Case cases[] = {
      {"nothing owned", "site", [](zc::AssemblyWriter&) {}},
      {"inside a handler", "site_in_handler", [](zc::AssemblyWriter& out) { out.set_in_handler(true); }},
      {"a string on top, an object below", "site_releasing 0, 4",
       [](zc::AssemblyWriter& out) {
         out.push("%ebx", zc::SlotKind::OwnedObject);
         out.push("%eax", zc::SlotKind::OwnedString);
       }},
  };
  for (const Case& c : cases) {
    zc::AssemblyWriter out;
    c.stack(out);
    out.call("f");
    // The pushes are left out of both: only the call and its list compare.
    const std::string written = out.text().substr(out.text().find("  call f"));
    EXPECT_EQ(code_of("  call f\n  " + std::string(c.macro) + "\n"), code_of(written)) << c.what;
  }
}

}  // namespace
