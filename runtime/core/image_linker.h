// Linking the application's code: the code2 records patch the calls of each
// imported routine (threaded through code1 as a chain of call operands) and
// make code-to-data references absolute. Names are resolved through an
// ImportResolver, so the logic is the same on the target and in host tests.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/image_block.h"
#include "runtime/core/loader_error.h"

namespace zrt {

using LibraryHandle = std::uintptr_t;

class ImportResolver {
 public:
  virtual ~ImportResolver() = default;

  // The runtime routine exported under `name`, compared without regard to
  // letter case, if there is one.
  [[nodiscard]] virtual std::optional<std::uint32_t> runtime_routine(std::string_view name) = 0;
  // Loads a shared library by file name; nullopt when it cannot be loaded.
  [[nodiscard]] virtual std::optional<LibraryHandle> load_library(const std::string& name) = 0;
  [[nodiscard]] virtual std::optional<std::uint32_t> library_routine(LibraryHandle library,
                                                                     const std::string& routine) = 0;
};

// An import of a runtime or plug-in class member, resolved once plug-ins are
// installed. The name has lost its leading "!": the kind letter (M, W, G or
// S), the class name, "!" and the member name.
struct DeferredImport {
  std::string name;
  std::uint32_t chain_head = 0;
};

// Patches call chains. It remembers every operand it has linked, so a chain
// that loops, or that runs into another chain, is reported instead of being
// followed through displacements it has already written.
class CallLinker {
 public:
  explicit CallLinker(ImageBlock code1) : m_code1(code1), m_linked(code1.size(), false) {}

  // Writes into each call operand of the chain from `head` (0: no call) the
  // displacement that makes the call reach `target`.
  [[nodiscard]] bool link_chain(std::uint32_t head, std::uint32_t target, std::string_view name, LoadError& error);

 private:
  [[nodiscard]] bool claim_operand(std::uint32_t offset);

  ImageBlock m_code1;
  std::vector<bool> m_linked;  // code1 bytes that belong to an operand linked already
};

// Applies every code2 record in stream order. Library imports are resolved at
// once; member imports are returned, newest first, for the runtime's
// initialisation. A plain name the runtime does not export fails the link
// after the whole stream is read, naming every such routine.
[[nodiscard]] std::optional<std::vector<DeferredImport>> link_code(ImageBlock code1, std::span<const std::uint8_t> code2,
                                                                   std::uint32_t data1_base, ImportResolver& resolver,
                                                                   LoadError& error);

}  // namespace zrt
