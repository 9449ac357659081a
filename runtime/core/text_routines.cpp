// The exported text routines: each takes its strings borrowed, works over
// the system's character model and returns a new reference.
#include "runtime/core/character_model.h"
#include "runtime/core/strings.h"
#include "runtime/core/system_queries.h"
#include "runtime/core/text_codes.h"
#include "runtime/core/text_parts.h"
#include "runtime/core/text_search.h"
#include "runtime/core/text_transforms.h"
#include "runtime/interface/exports.h"

using zrt::system_character_model;

extern "C" {

// The system's order for the user's default locale, ignoring letter case.
std::int32_t RuntimeStringCompare(ZString* first, ZString* second) {
  return zrt::compare_in_locale(zrt::string_text(first), zrt::string_text(second));
}

std::int32_t StringLen(ZString* string) {
  return zrt::string_length(string);
}

std::int32_t StringDBCSLen(ZString* string) {
  return zrt::character_length(system_character_model(), string);
}

ZString* StringLeft(ZString* string, std::int32_t count) {
  return zrt::left_part(string, count);
}

ZString* StringDBCSLeft(ZString* string, std::int32_t count) {
  return zrt::left_characters(system_character_model(), string, count);
}

ZString* StringRight(ZString* string, std::int32_t count) {
  return zrt::right_part(string, count);
}

ZString* StringDBCSRight(ZString* string, std::int32_t count) {
  return zrt::right_characters(system_character_model(), string, count);
}

ZString* StringMid2(ZString* string, std::int32_t position) {
  return zrt::tail_from_position(string, position);
}

ZString* StringDBCSMid2(ZString* string, std::int32_t position) {
  return zrt::tail_from_character(system_character_model(), string, position);
}

ZString* StringMid3(ZString* string, std::int32_t position, std::int32_t count) {
  return zrt::substring(string, position, count);
}

ZString* StringDBCSMid3(ZString* string, std::int32_t position, std::int32_t count) {
  return zrt::substring_characters(system_character_model(), string, position, count);
}

std::int32_t StringAsc(ZString* string) {
  return zrt::first_byte_code(string);
}

std::int32_t StringDBCSAsc(ZString* string) {
  return zrt::first_character_code(system_character_model(), string);
}

ZString* StringChr(std::int32_t code) {
  return zrt::byte_string(code);
}

ZString* StringDBCSChr(std::int32_t code) {
  return zrt::character_string(code);
}

ZString* StringLCase(ZString* string) {
  return zrt::lower_cased(system_character_model(), string);
}

ZString* StringUCase(ZString* string) {
  return zrt::upper_cased(system_character_model(), string);
}

ZString* StringTitleCase(ZString* string) {
  return zrt::title_cased(system_character_model(), string);
}

std::int32_t StringInStr(std::int32_t start, ZString* string, ZString* find) {
  return zrt::position_ignoring_case(system_character_model(), start, string, find);
}

std::int32_t StringDBCSInStr(std::int32_t start, ZString* string, ZString* find) {
  return zrt::character_position_ignoring_case(system_character_model(), start, string, find);
}

ZString* StringReplace(ZString* string, ZString* find, ZString* replacement) {
  return zrt::replace_first(system_character_model(), string, find, replacement);
}

ZString* StringReplaceAll(ZString* string, ZString* find, ZString* replacement) {
  return zrt::replace_all(system_character_model(), string, find, replacement);
}

std::int32_t StringCountFields(ZString* string, ZString* separator) {
  return zrt::count_fields(system_character_model(), string, separator);
}

ZString* StringNthField(ZString* string, ZString* separator, std::int32_t number) {
  return zrt::nth_field(system_character_model(), string, separator, number);
}

ZString* runLTrim(ZString* string) {
  return zrt::trimmed_start(system_character_model(), string);
}

ZString* runRTrim(ZString* string) {
  return zrt::trimmed_end(system_character_model(), string);
}

ZString* runTrim(ZString* string) {
  return zrt::trimmed(system_character_model(), string);
}

}
