// The classes a plug-in provides, as text the compiler reads out of the
// library file: the plug-in renders it at compile time from the very records
// it registers, so the two never disagree. A plug-in puts the text in its
// section ".zclass" with ZPLUG_DECLARE_CLASSES.
//
//   Control <name> <data size>                 a control (superclass RectControl)
//   Class <name> <superclass or -> <data size>  a class
//   Property <name> As <type>
//   Method <declaration>
//   Event <declaration>
//   Implements <interface>,...
//   Global <declaration>                       a global method
#pragma once

#include "runtime/interface/plugin_records.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace zplug {

inline constexpr const char* declaration_section = ".zclass";

namespace detail {

// Text built at compile time. A vector rather than a string: the compilers
// we build with do not evaluate short strings in constant expressions.
class Text {
 public:
  constexpr Text& operator<<(const char* text) {
    for (; text != nullptr && *text != '\0'; ++text) m_chars.push_back(*text);
    return *this;
  }
  constexpr Text& operator<<(std::int32_t value) {
    if (value < 0) m_chars.push_back('-');
    std::int64_t rest = value < 0 ? -static_cast<std::int64_t>(value) : value;
    std::int64_t unit = 1;
    while (unit * 10 <= rest) unit *= 10;
    for (; unit > 0; unit /= 10) m_chars.push_back(static_cast<char>('0' + rest / unit % 10));
    return *this;
  }
  constexpr Text& operator<<(const Text& other) {
    m_chars.insert(m_chars.end(), other.m_chars.begin(), other.m_chars.end());
    return *this;
  }
  [[nodiscard]] constexpr std::size_t size() const { return m_chars.size(); }
  [[nodiscard]] constexpr char operator[](std::size_t i) const { return m_chars[i]; }

 private:
  std::vector<char> m_chars;
};

template <typename Entry>
constexpr std::span<const Entry> table(const Entry* entries, std::int32_t count) {
  return entries == nullptr || count <= 0 ? std::span<const Entry>() : std::span(entries, static_cast<std::size_t>(count));
}

constexpr void add_members(Text& text, std::span<const PropertyEntry> properties, std::span<const MethodEntry> methods) {
  for (const PropertyEntry& property : properties) text << "Property " << property.name << " As " << property.type << "\n";
  for (const MethodEntry& method : methods) text << "Method " << method.declaration << "\n";
}

constexpr void add_interfaces(Text& text, const char* interfaces) {
  if (interfaces != nullptr && interfaces[0] != '\0') text << "Implements " << interfaces << "\n";
}

constexpr Text declaration_of(const ControlDefinition& control) {
  Text text;
  text << "Control " << control.name << " " << control.data_size << "\n";
  add_members(text, table(control.properties, control.property_count), table(control.methods, control.method_count));
  for (const ControlEventEntry& event : table(control.events, control.event_count))
    text << "Event " << event.declaration << "\n";
  add_interfaces(text, control.interfaces);
  return text;
}

constexpr Text declaration_of(const ClassDefinition& definition) {
  const bool has_superclass = definition.superclass != nullptr && definition.superclass[0] != '\0';
  Text text;
  text << "Class " << definition.name << " " << (has_superclass ? definition.superclass : "-") << " "
       << definition.data_size << "\n";
  add_members(text, table(definition.properties, definition.property_count),
              table(definition.methods, definition.method_count));
  add_interfaces(text, definition.interfaces);
  for (const ClassEventEntry& event : table(definition.events, definition.event_count))
    text << "Event " << event.declaration << "\n";
  return text;
}

constexpr Text declaration_of(const GlobalMethodDefinition& method) {
  Text text;
  text << "Global " << method.declaration << "\n";
  return text;
}

template <typename Definitions>
constexpr Text declarations_of(const Definitions& definitions) {
  Text text;
  for (const auto& definition : definitions) text << declaration_of(definition);
  return text;
}

}  // namespace detail

// The text of every definition in the tables, NUL-terminated, as an array
// that can live in the library's data.
template <const auto&... tables>
consteval auto declaration_text() {
  constexpr std::size_t size = (detail::declarations_of(tables).size() + ... + 0) + 1;
  std::array<char, size> result{};
  detail::Text joined;
  (joined << ... << detail::declarations_of(tables));
  for (std::size_t i = 0; i < joined.size(); ++i) result[i] = joined[i];
  return result;
}

}  // namespace zplug

// Puts the declaration of the given tables into the library's ".zclass" section.
#define ZPLUG_DECLARE_CLASSES(...)                                                           \
  [[gnu::used, gnu::section(".zclass")]] extern constexpr auto zplug_class_declaration = \
      zplug::declaration_text<__VA_ARGS__>()
