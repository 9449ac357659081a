// Linking code1 by the code2 record stream: import records, code-to-data
// records and filler bytes, which are skipped one at a time (their format:
// runtime/interface/image_format.h, docs/image-format.md).
#include "runtime/core/image_linker.h"

#include "runtime/interface/image_format.h"

#include <algorithm>

namespace zrt {
namespace {

namespace format = zif::image_format;

std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string name_list(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return list;
}

class CodeLinker {
 public:
  CodeLinker(ImageBlock code1, std::span<const std::uint8_t> code2, std::uint32_t data1_base,
             ImportResolver& resolver, LoadError& error)
      : m_code1(code1), m_calls(code1), m_code2(code2), m_data1_base(data1_base), m_resolver(resolver),
        m_error(error) {}

  std::optional<std::vector<DeferredImport>> run() {
    for (std::size_t position = 0; position < m_code2.size();) {
      if (!link_record(position)) return std::nullopt;
    }
    if (!m_missing.empty()) return fail_missing();
    std::reverse(m_deferred.begin(), m_deferred.end());  // newest first
    return std::move(m_deferred);
  }

 private:
  bool fail(const std::string& reason) {
    m_error = load_failure(reason);
    return false;
  }

  std::nullopt_t fail_missing() {
    const bool one = m_missing.size() == 1;
    fail(std::string("the runtime exports no ") + (one ? "routine" : "routines") + " named " + name_list(m_missing));
    return std::nullopt;
  }

  bool link_record(std::size_t& position) {
    switch (m_code2[position]) {
      case format::code2_record::import: return link_import(position);
      case format::code2_record::code_pointer: return link_code_pointer(position);
      default: ++position; return true;
    }
  }

  bool link_code_pointer(std::size_t& position) {
    if (m_code2.size() - position < format::code_pointer_record_size) {
      return fail("code2 ends inside the code-to-data record at offset " + hex(position));
    }
    const std::uint32_t offset = load_u32(m_code2, position + 1);
    if (!m_code1.add_u32(offset, m_data1_base)) {
      return fail("the code-to-data record at code2 offset " + hex(position) + " refers to code1 offset " +
                  hex(offset) + ", outside the code (" + hex(m_code1.size()) + " bytes)");
    }
    position += format::code_pointer_record_size;
    return true;
  }

  bool link_import(std::size_t& position) {
    const std::size_t available = m_code2.size() - position;
    if (available < format::import_record_fixed_size || available - format::import_record_fixed_size < m_code2[position + 5]) {
      return fail("code2 ends inside the import record at offset " + hex(position));
    }
    const std::uint32_t head = load_u32(m_code2, position + 1);
    const std::string name(reinterpret_cast<const char*>(m_code2.data() + position + format::import_record_fixed_size),
                           m_code2[position + 5]);
    const std::size_t record = position;
    position += format::import_record_fixed_size + name.size();
    if (name.starts_with(format::library_import_prefix)) return import_from_library(name, head);
    if (name.starts_with(format::deferred_import_prefix)) return defer_import(name, head, record);
    return import_from_runtime(name, head);
  }

  bool import_from_runtime(const std::string& name, std::uint32_t head) {
    const auto routine = m_resolver.runtime_routine(name);
    if (routine) return m_calls.link_chain(head, *routine, name, m_error);
    if (std::find(m_missing.begin(), m_missing.end(), name) == m_missing.end()) m_missing.push_back(name);
    return true;
  }

  // "!X" library "!" routine.
  bool import_from_library(const std::string& name, std::uint32_t head) {
    const std::string rest = name.substr(format::library_import_prefix.size());
    const std::size_t bang = rest.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == rest.size()) {
      return fail("the library import " + quoted(name) + " does not name both a library and a routine");
    }
    const std::string library = rest.substr(0, bang);
    const std::string routine = rest.substr(bang + 1);
    const auto handle = loaded_library(library);
    if (!handle) return fail("a necessary shared library " + library + " could not be found");
    const auto address = m_resolver.library_routine(*handle, routine);
    if (!address) return fail("the routine " + routine + " could not be found in the shared library " + library);
    return m_calls.link_chain(head, *address, name, m_error);
  }

  // Each library is loaded once, under the exact name the image gives it.
  std::optional<LibraryHandle> loaded_library(const std::string& library) {
    for (const auto& [name, handle] : m_libraries) {
      if (name == library) return handle;
    }
    const auto handle = m_resolver.load_library(library);
    if (handle) m_libraries.emplace_back(library, *handle);
    return handle;
  }

  bool defer_import(const std::string& name, std::uint32_t head, std::size_t record) {
    if (name.size() < 2) {
      return fail("the import record at code2 offset " + hex(record) + " has no kind letter after \"!\"");
    }
    m_deferred.push_back({name.substr(1), head});
    return true;
  }

  ImageBlock m_code1;
  CallLinker m_calls;
  std::span<const std::uint8_t> m_code2;
  std::uint32_t m_data1_base;
  ImportResolver& m_resolver;
  LoadError& m_error;
  std::vector<std::string> m_missing;
  std::vector<std::pair<std::string, LibraryHandle>> m_libraries;
  std::vector<DeferredImport> m_deferred;
};

}  // namespace

bool CallLinker::claim_operand(std::uint32_t offset) {
  const auto first = m_linked.begin() + offset;
  if (std::find(first, first + 4, true) != first + 4) return false;
  std::fill(first, first + 4, true);
  return true;
}

bool CallLinker::link_chain(std::uint32_t head, std::uint32_t target, std::string_view name, LoadError& error) {
  // Every step claims four fresh bytes of code1, so the walk ends.
  for (std::uint32_t site = head; site != 0;) {
    if (!m_code1.holds(site, 4)) {
      error = load_failure("the calls of " + quoted(name) + " lead to code1 offset " + hex(site) +
                           ", outside the code (" + hex(m_code1.size()) + " bytes)");
      return false;
    }
    if (!claim_operand(site)) {
      error = load_failure("the calls of " + quoted(name) + " reach the call operand at code1 offset " + hex(site) +
                           " a second time");
      return false;
    }
    const std::uint32_t next = load_u32(m_code1.bytes(), site);
    // A relative call counts from the end of its operand.
    store_u32(m_code1.bytes(), site, target - (m_code1.base() + site) - 4);
    site = next;
  }
  return true;
}

std::optional<std::vector<DeferredImport>> link_code(ImageBlock code1, std::span<const std::uint8_t> code2,
                                                     std::uint32_t data1_base, ImportResolver& resolver,
                                                     LoadError& error) {
  return CodeLinker(code1, code2, data1_base, resolver, error).run();
}

}  // namespace zrt
