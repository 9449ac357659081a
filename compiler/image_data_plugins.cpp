// The plug-in list: one entry per Plugin declaration, each carrying its
// library file byte for byte. Files are looked for along the library path,
// then as written.
#include <filesystem>

#include "compiler/codegen_internal.h"
#include "compiler/plugin_classes.h"
#include "runtime/interface/image_format.h"

namespace zc {

void CodeGenerator::write_plugins() {
  std::vector<std::pair<const PluginDecl*, const SourceFile*>> plugins;
  for (const Unit& unit : m_program.units)
    for (const PluginDecl& plugin : unit.plugins) plugins.emplace_back(&plugin, unit.file);
  for (std::size_t i = 0; i < plugins.size(); ++i) {
    const PluginDecl& plugin = *plugins[i].first;
    m_file = plugins[i].second;
    const std::filesystem::path path = find_plugin_library(plugin.path, m_options.library_paths);
    const std::string name = std::filesystem::path(plugin.path).filename().string();
    if (path.empty()) {
      error(plugin.pos, "cannot find the plug-in file '" + plugin.path + "' (use -L to name its folder)");
      continue;
    }
    if (path.string().find('"') != std::string::npos || name.size() > zif::image_format::max_plugin_name) {
      error(plugin.pos, "the plug-in's file name cannot be carried in the image: '" + plugin.path + "'");
      continue;
    }
    const auto library_size = std::filesystem::file_size(path);
    const std::string next = i + 1 < plugins.size() ? "zplugin_" + std::to_string(i + 1) : "0";
    m_out.emit(".balign 4");
    m_out.label("zplugin_" + std::to_string(i));
    // The head's three words: the next entry, the size and a reserved word.
    const auto size = zif::image_format::plugin_entry_size(name.size(), library_size);
    m_out.emit(".long " + next + ", " + std::to_string(size) + ", 0");
    std::string name_bytes(1, static_cast<char>(name.size()));
    name_bytes += name;
    emit_bytes(m_out, name_bytes);
    m_out.emit(".incbin \"" + path.string() + "\"");
  }
  m_file = nullptr;
}

}  // namespace zc
