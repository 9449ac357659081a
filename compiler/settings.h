// The settings a program may give in its Settings block, in one table that
// the checker checks them by and the code generator writes them by: their
// arguments as type letters (s String, i Integer, b Boolean), whether one
// may repeat, and what the image's settings stream makes of them.
#pragma once

#include <cstdint>
#include <string_view>

namespace zc {

enum class SettingKind { FileType, Message, MultipleDocuments, FrameTitle, CharacterSet };

struct SettingShape {
  std::string_view name;
  std::string_view arguments;
  bool repeats;
  SettingKind kind;
};

inline constexpr SettingShape k_settings[] = {
    {"FileType", "ssss", true, SettingKind::FileType},
    {"Message", "is", true, SettingKind::Message},
    {"MDI", "b", false, SettingKind::MultipleDocuments},
    {"FrameTitle", "s", false, SettingKind::FrameTitle},
    {"CharacterSet", "i", false, SettingKind::CharacterSet},
};

// The message table has an entry for every number up to the highest; the
// runtime's messages are a handful, so a larger number is a mistake.
inline constexpr std::int64_t k_highest_message = 255;

}  // namespace zc
