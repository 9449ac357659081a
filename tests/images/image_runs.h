// Running hand-assembled images in the runtime as a separate process, the
// way a user starts the program: the images' development files and packed
// programs are built beside this test program; each run gets a scratch
// folder of its own, so a damaged copy never touches the built files.
#pragma once

#include "tests/core/scratch_folder.h"
#include "tests/driver/gui_driver.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace image_runs {

using Bytes = std::vector<std::uint8_t>;

// The four segments as the development files hold them.
struct Segments {
  Bytes code1;
  Bytes code2;
  Bytes data1;
  Bytes data2;
};

// The folder this test program lies in, which holds the built images.
std::string built_folder();
Bytes read_bytes(const std::string& path);
// The development files zlink wrote for the image `name`.
Segments built_segments(const std::string& name);
// The program zpack wrote for the image `name` ("strings.exe").
Bytes built_program(const std::string& name);
// The bare runtime, copied beside the images.
Bytes bare_runtime();

// The code2 offset of the import record for `name`; the test fails when
// there is none.
std::size_t import_record(const Bytes& code2, const std::string& name);
// The chain head of that record.
std::uint32_t chain_head(const Bytes& code2, const std::string& name);
// Replaces every occurrence of `from` in the import names by `to` (same
// length).
void rename_in_imports(Bytes& code2, const std::string& from, const std::string& to);

std::uint32_t load_word(const Bytes& bytes, std::size_t offset);
void store_word(Bytes& bytes, std::size_t offset, std::uint32_t value);
// "0x1F", as the loader writes offsets.
std::string hex(std::uint64_t value);

struct Outcome {
  std::optional<DWORD> exit_code;      // nothing: still running after the wait
  std::optional<std::string> message;  // the message box answered, if any
  std::optional<std::string> result;   // result.txt, if the image wrote it
};

// A scratch folder to run a program in. Folders that exist at the same time
// need different names.
class RunFolder {
 public:
  explicit RunFolder(const std::string& name = "run") : m_folder("zrt_image_" + name + "_") {}

  void write(const std::string& name, const Bytes& bytes) const { m_folder.write(name, bytes); }
  void write_development_files(const Segments& segments) const;
  std::string path(const std::string& name = "") const { return m_folder.path(name); }

  // Starts `program` of this folder with the folder as its current
  // directory; `launch` leaves it to the caller whether the system may
  // refuse to start it, `start` expects it to start.
  [[nodiscard]] std::unique_ptr<driver::Process> launch(const std::string& program) const;
  [[nodiscard]] std::unique_ptr<driver::Process> start(const std::string& program) const;
  // Waits for one message box of the started program, reads it and
  // presses OK; nothing when no box appears.
  [[nodiscard]] static std::optional<std::string> answer_box(driver::Process& process);
  // Waits for the started program to end; `message` is what answer_box
  // read, if it was called.
  [[nodiscard]] Outcome finish(driver::Process& process, std::optional<std::string> message = {}) const;
  [[nodiscard]] Outcome run(const std::string& program, bool expect_box) const {
    const auto process = start(program);
    auto message = expect_box ? answer_box(*process) : std::nullopt;
    return finish(*process, std::move(message));
  }

 private:
  runtime_test::ScratchFolder m_folder;
};

}  // namespace image_runs
