// The application's settings as its image stores them: character set, file
// types, the runtime message table, the multiple-document flag and the frame
// title. Parsing is portable and checked; applying the settings (fonts, file
// dialogs, message boxes, the frame window) is left to the modules that use
// each one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zrt {

struct FileType {
  std::string name;  // shown as the file dialog filter's description
  std::string mac_creator;
  std::string mac_type;
  std::string extensions;  // separated by ";", each with or without a leading dot
};

struct Settings {
  std::uint8_t flag = 0;
  std::uint32_t reserved = 0;
  std::uint32_t character_set_code = 0;
  std::vector<FileType> file_types;
  std::vector<std::string> messages;  // entry 4 is the unhandled-exception message
  bool mdi = false;
  std::string frame_title;
};

struct SettingsError {
  std::string message;
};

// Parses a whole settings stream, which must end with its frame title. On
// malformed input (a field that cannot be read, an MDI flag other than 0 or
// 1, bytes after the frame title) the error names the field and the offset
// where reading stopped.
[[nodiscard]] std::optional<Settings> parse_settings(std::span<const std::uint8_t> stream, SettingsError& error);

}  // namespace zrt
