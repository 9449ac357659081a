// The loader's platform on Windows: the PICKLE resource through FindResource,
// code memory allocated executable, libraries through LoadLibrary (never
// unloaded), runtime routines through the export table, the failure message
// box and the call of the image's entry.
#include "runtime/core/loader.h"

#include "runtime/core/runtime_message.h"
#include "runtime/core/module_instance.h"
#include "runtime/interface/image_format.h"

#include <windows.h>

#include <cstdint>

namespace zrt {
namespace {

// The longest executable path the loader accepts, terminator included.
constexpr DWORD k_max_path = 512;

std::uint32_t address_value(const void* address) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
}

HMODULE own_module() { return static_cast<HMODULE>(module_instance()); }

class SystemLoader : public LoaderPlatform {
 public:
  explicit SystemLoader(const ExportTable& exports) : m_exports(exports) {}

  std::span<const std::uint8_t> pickle_resource() override {
    HRSRC found = ::FindResourceA(own_module(), MAKEINTRESOURCEA(zif::image_format::pickle_id), zif::image_format::pickle_type);
    if (found == nullptr) return {};
    HGLOBAL loaded = ::LoadResource(own_module(), found);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return {static_cast<const std::uint8_t*>(bytes), ::SizeofResource(own_module(), found)};
  }

  std::string executable_path() override {
    char path[k_max_path];
    const DWORD length = ::GetModuleFileNameA(own_module(), path, k_max_path);
    // A full buffer means the path was cut short.
    if (length == 0 || length >= k_max_path) return {};
    return std::string(path, length);
  }

  std::string development_directory() override { return {}; }

  std::optional<std::span<std::uint8_t>> allocate_code(std::size_t size) override {
    void* block = ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (block == nullptr) return std::nullopt;
    return std::span<std::uint8_t>(static_cast<std::uint8_t*>(block), size);
  }

  std::uint32_t address_of(std::span<const std::uint8_t> block) override { return address_value(block.data()); }

  void show_failure(const std::string& message) override {
    show_failure_message(message);
  }

  void call_entry(std::uint32_t entry) override {
    const auto routine = reinterpret_cast<void (*)()>(static_cast<std::uintptr_t>(entry));
    routine();
  }

  std::optional<std::uint32_t> runtime_routine(std::string_view name) override {
    const ExportSlot* slot = m_exports.find(name);
    if (slot == nullptr) return std::nullopt;
    return address_value(slot->routine);
  }

  std::optional<LibraryHandle> load_library(const std::string& name) override {
    HMODULE library = ::LoadLibraryA(name.c_str());
    if (library == nullptr) return std::nullopt;
    return reinterpret_cast<LibraryHandle>(library);
  }

  std::optional<std::uint32_t> library_routine(LibraryHandle library, const std::string& routine) override {
    const FARPROC address = ::GetProcAddress(reinterpret_cast<HMODULE>(library), routine.c_str());
    if (address == nullptr) return std::nullopt;
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(address));
  }

 private:
  const ExportTable& m_exports;
};

}  // namespace

bool run_system_loader(const ExportTable& exports) {
  SystemLoader platform(exports);
  return run_loader(platform);
}

}  // namespace zrt
