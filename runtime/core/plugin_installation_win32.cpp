// Writing, checking and loading plug-in libraries on Windows. A library goes
// into "<local application data or temp>\Zoltic\Plugins\<content hash>\",
// since the system folders are not a user's to write. A file found there is
// loaded only when its bytes are the image's, checked while this process
// holds it open against writers; otherwise it is overwritten, or, when
// another process holds it, the library is written under a fresh subfolder.
#include "runtime/core/plugin_installation.h"

#include "runtime/core/export_table.h"
#include "runtime/core/plugin_entries.h"
#include "runtime/core/plugin_list.h"
#include "runtime/core/plugin_registry.h"
#include "runtime/core/plugin_resolver.h"
#include "runtime/core/pointer_words.h"
#include "runtime/core/runtime_message.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zrt {
namespace {

// Tries of a fresh subfolder before the library is given up.
constexpr int fresh_folder_tries = 16;

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : m_handle(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (is_open()) ::CloseHandle(m_handle);
  }
  [[nodiscard]] bool is_open() const { return m_handle != INVALID_HANDLE_VALUE; }
  [[nodiscard]] HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

std::string plugins_root() {
  char folder[MAX_PATH] = {};
  if (::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder) != S_OK &&
      ::GetTempPathA(MAX_PATH, folder) == 0)
    return {};
  std::string root(folder);
  if (!root.empty() && root.back() != '\\') root += '\\';
  return root + "Zoltic\\Plugins\\";
}

// Creates each missing folder of the path in turn.
void create_folders(const std::string& path) {
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

// Opened for reading with writers and deleters kept out while it is held.
FileHandle open_held(const std::string& path) {
  return FileHandle(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool holds_bytes(const FileHandle& file, std::span<const std::uint8_t> expected) {
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || static_cast<std::uint64_t>(size.QuadPart) != expected.size()) return false;
  std::vector<std::uint8_t> content(expected.size());
  DWORD read = 0;
  return ::ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr) &&
         read == content.size() && std::equal(content.begin(), content.end(), expected.begin());
}

bool write_file(const std::string& path, std::span<const std::uint8_t> bytes) {
  const FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
  DWORD written = 0;
  return file.is_open() && ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// When the file at path holds the library's bytes: the library loaded from
// it, null when it does not load. Nothing when the file is not the library.
std::optional<HMODULE> load_if_same(const std::string& path, std::span<const std::uint8_t> library) {
  const FileHandle held = open_held(path);
  if (!held.is_open() || !holds_bytes(held, library)) return std::nullopt;
  return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE place_and_load(const PluginEntry& entry) {
  const std::string root = plugins_root();
  if (root.empty()) return nullptr;
  const std::string folder = root + library_folder_name(entry.library) + "\\";
  for (int attempt = 0; attempt < fresh_folder_tries; ++attempt) {
    const std::string place = attempt == 0 ? folder : folder + std::to_string(attempt) + "\\";
    const std::string path = place + entry.name;
    create_folders(place);
    if (const std::optional<HMODULE> loaded = load_if_same(path, entry.library)) return *loaded;
    if (write_file(path, entry.library))
      if (const std::optional<HMODULE> loaded = load_if_same(path, entry.library)) return *loaded;
  }
  return nullptr;
}

void enter(HMODULE module) {
  const auto entry = reinterpret_cast<zplug::PluginMain>(
      reinterpret_cast<void*>(::GetProcAddress(module, zplug::plugin_main_name)));
  if (entry == nullptr) return;
  begin_plugin_entry();
  entry(&resolve_runtime_routine);
  end_plugin_entry();
}

}  // namespace

void install_recorded_plugins(const ExportTable& exports) {
  const void* list = recorded_plugin_list();
  if (list == nullptr) return;
  set_resolver_exports(&exports);
  set_plugin_message_sink(&show_runtime_message);
  for (const PluginEntry& entry : read_plugin_entries(data1_segment(), word_of_pointer(list)))
    if (HMODULE module = place_and_load(entry)) enter(module);
  complete_plugin_classes();
}

}  // namespace zrt
