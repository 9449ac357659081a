// Reading the classes plug-ins declare: finding the library, taking the
// declaration text out of its ".zclass" section, and turning each class into
// a runtime class whose members are deferred imports ("!MClass!Method").
#include "compiler/plugin_classes.h"

#include "compiler/names.h"
#include "compiler/pe_file.h"
#include "compiler/text_format.h"
#include "compiler/types.h"
#include "runtime/core/method_declarations.h"
#include "runtime/interface/abi_types.h"
#include "runtime/interface/image_format.h"
#include "runtime/interface/plugin_declaration.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace zc {
namespace {

namespace format = zif::image_format;

struct DeclaredClass {
  std::string name;
  std::string superclass;
  std::int32_t data_size = 0;
  std::vector<std::pair<std::string, std::string>> properties;  // name, type
  std::vector<std::string> methods;                               // declarations
  std::vector<std::string> events;
};

// The words of a line, split at blanks.
std::vector<std::string> words_of(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string_view rest_after_word(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
}

bool read_size(const std::string& text, std::int32_t& size) {
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), size);
  return failure == std::errc() && end == text.data() + text.size() && size >= 0;
}

// Every type a declaration names: the word after each "As".
std::vector<std::string> types_named(std::string_view declaration) {
  std::string spaced(declaration);
  for (char& c : spaced)
    if (c == '(' || c == ')' || c == ',') c = ' ';
  const std::vector<std::string> words = words_of(spaced);
  std::vector<std::string> types;
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    if (equal_ignoring_case(words[i], "As")) types.push_back(words[i + 1]);
  return types;
}

std::string_view member_name(std::string_view declaration) {
  return declaration.substr(0, declaration.find_first_of("( "));
}

const zif::ClassDecl* find_class(const RuntimeInterface& runtime, std::string_view name) {
  for (const zif::ClassDecl& decl : runtime.classes)
    if (equal_ignoring_case(decl.name, name)) return &decl;
  return nullptr;
}

class DeclarationReader {
 public:
  explicit DeclarationReader(RuntimeInterface& runtime) : m_runtime(runtime) {}

  std::string read(std::string_view text) {
    std::size_t line_number = 0;
    for (std::size_t start = 0; start < text.size(); ++line_number) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      const std::string_view line = text.substr(start, end - start);
      start = end + 1;
      if (line.empty()) continue;
      if (!read_line(line)) return text::format("line {} of the declaration cannot be read: '{}'", line_number + 1, line);
    }
    for (const DeclaredClass& declared : m_classes) add(declared);
    for (const std::string& declaration : m_globals)
      if (usable(declaration))
        m_runtime.global_methods.push_back({keep(declaration), import_name(format::deferred_kind::method, "", member_name(declaration))});
    return {};
  }

 private:
  bool read_line(std::string_view line) {
    const std::vector<std::string> words = words_of(line);
    if (words.empty()) return true;
    const std::string& keyword = words.front();
    if (keyword == "Control" && words.size() == 3) return start_class(words[1], "RectControl", words[2]);
    if (keyword == "Class" && words.size() == 4) return start_class(words[1], words[2] == "-" ? "" : words[2], words[3]);
    if (keyword == "Global") return m_globals.emplace_back(rest_after_word(line)), true;
    if (m_classes.empty()) return false;
    DeclaredClass& current = m_classes.back();
    if (keyword == "Property" && words.size() == 4 && words[2] == "As") {
      current.properties.emplace_back(words[1], words[3]);
      return true;
    }
    if (keyword == "Method") return current.methods.emplace_back(rest_after_word(line)), true;
    if (keyword == "Event") return current.events.emplace_back(rest_after_word(line)), true;
    // Interfaces matter to the runtime only.
    return keyword == "Implements";
  }

  bool start_class(const std::string& name, const std::string& superclass, const std::string& size_text) {
    DeclaredClass& declared = m_classes.emplace_back();
    declared.name = name;
    declared.superclass = superclass;
    return read_size(size_text, declared.data_size);
  }

  bool type_known(std::string_view type) const {
    static const TypeTable k_types;
    if (k_types.builtin(type) != nullptr || find_class(m_runtime, type) != nullptr) return true;
    for (const DeclaredClass& declared : m_classes)
      if (equal_ignoring_case(declared.name, type)) return true;
    return false;
  }

  // A declaration the runtime accepts and whose types a program can name.
  bool usable(std::string_view declaration) const {
    const auto is_class = [this](std::string_view name) { return type_known(name); };
    if (!zrt::read_method_declaration(declaration, is_class).error.empty()) return false;
    for (const std::string& type : types_named(declaration))
      if (!type_known(type)) return false;
    return true;
  }

  std::string_view keep(std::string text) { return m_runtime.owned_texts.emplace_back(std::move(text)); }

  // A member of a class; a global method has no class and no separator.
  std::string_view import_name(char kind, std::string_view class_name, std::string_view member) {
    std::string name{format::deferred_import_prefix, kind};
    name += class_name;
    if (!class_name.empty()) name += format::member_separator;
    return keep("\"" + name + std::string(member) + "\"");
  }

  // The runtime places a plug-in's data after its superclass's instance;
  // the superclass may be declared later in the text. A chain that comes
  // back counts as ending there.
  std::int32_t instance_size(const DeclaredClass& declared, std::size_t depth = 0) const {
    std::int32_t base = zif::default_instance_size;
    if (const zif::ClassDecl* runtime_superclass = find_class(m_runtime, declared.superclass))
      base = runtime_superclass->instance_size;
    for (const DeclaredClass& other : m_classes)
      if (depth < m_classes.size() && equal_ignoring_case(other.name, declared.superclass))
        base = instance_size(other, depth + 1);
    return base + declared.data_size;
  }

  void add(const DeclaredClass& declared) {
    auto& properties = m_runtime.owned_properties.emplace_back();
    for (const auto& [name, type] : declared.properties)
      if (type_known(type))
        properties.push_back({keep(name), keep(type), import_name(format::deferred_kind::getter, declared.name, name),
                              import_name(format::deferred_kind::setter, declared.name, name), 0});
    auto& methods = m_runtime.owned_methods.emplace_back();
    for (const std::string& declaration : declared.methods)
      if (usable(declaration)) {
        const std::string_view routine = import_name(format::deferred_kind::method, declared.name, member_name(declaration));
        methods.push_back({keep(declaration), routine});
      }
    auto& events = m_runtime.owned_events.emplace_back();
    for (const std::string& declaration : declared.events)
      if (usable(declaration)) events.push_back(event_of(declaration));
    m_runtime.classes.push_back({keep(declared.name), "", keep(declared.superclass), instance_size(declared),
                                 properties, methods, events});
  }

  // "MouseDown(X As Integer, Y As Integer) As Boolean": name, parameters, result.
  zif::EventDecl event_of(std::string_view declaration) {
    const std::size_t open = declaration.find('(');
    const std::size_t close = declaration.rfind(')');
    const bool has_list = open != std::string_view::npos && close != std::string_view::npos && close > open;
    const std::string_view name = declaration.substr(0, std::min(declaration.find(' '), open));
    const std::string_view parameters = has_list ? declaration.substr(open + 1, close - open - 1) : "";
    const std::string_view after = has_list ? declaration.substr(close + 1) : declaration.substr(name.size());
    const std::vector<std::string> words = words_of(after);
    const std::string result = words.size() == 2 && equal_ignoring_case(words[0], "As") ? words[1] : "";
    return {keep(std::string(name)), keep(std::string(parameters)), keep(result), 0};
  }

  RuntimeInterface& m_runtime;
  std::vector<DeclaredClass> m_classes;
  std::vector<std::string> m_globals;
};

std::optional<std::vector<std::uint8_t>> read_file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The declaration in the library's section, empty when it has none.
std::string declaration_in(const std::vector<std::uint8_t>& bytes) {
  const pe::PeFile file(bytes);
  for (const pe::Section& section : file.sections()) {
    if (section.name != zplug::declaration_section) continue;
    const std::uint32_t size = std::min(section.virtual_size, section.raw_size);
    file.require(section.raw_offset, size, "the class declaration");
    const auto* first = reinterpret_cast<const char*>(bytes.data() + section.raw_offset);
    return std::string(first, std::find(first, first + size, '\0'));
  }
  return {};
}

}  // namespace

std::filesystem::path find_plugin_library(const std::string& name, const std::vector<std::string>& paths) {
  for (const std::string& directory : paths) {
    const std::filesystem::path candidate = std::filesystem::path(directory) / name;
    if (std::filesystem::is_regular_file(candidate)) return std::filesystem::absolute(candidate);
  }
  if (std::filesystem::is_regular_file(name)) return std::filesystem::absolute(name);
  return {};
}

PluginClassReading add_declared_classes(RuntimeInterface& runtime, std::string_view text) {
  return {DeclarationReader(runtime).read(text)};
}

void add_plugin_classes(RuntimeInterface& runtime, const Program& program, const std::vector<std::string>& paths,
                        Diagnostics& diagnostics) {
  for (const Unit& unit : program.units)
    for (const PluginDecl& plugin : unit.plugins) {
      const auto report = [&](const std::string& message) {
        diagnostics.error(*unit.file, plugin.pos.line, plugin.pos.column, message);
      };
      const std::filesystem::path path = find_plugin_library(plugin.path, paths);
      const auto bytes = path.empty() ? std::nullopt : read_file_bytes(path);
      if (!bytes) {
        report("cannot find the plug-in file '" + plugin.path + "' (use -L to name its folder)");
        continue;
      }
      try {
        const PluginClassReading reading = add_declared_classes(runtime, declaration_in(*bytes));
        if (!reading.error.empty()) report("the plug-in '" + plugin.path + "' declares its classes badly: " + reading.error);
      } catch (const pe::PeError& error) {
        report("the plug-in file '" + plugin.path + "' is not a library: " + error.what());
      }
    }
}

}  // namespace zc
