// Property value conversion by declared type, and the setter call.
#include "runtime/ui/property_values.h"

#include "runtime/core/code_calls.h"
#include "runtime/core/name_equality.h"
#include "runtime/core/objects.h"
#include "runtime/core/project_objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/strings.h"

#include <array>

namespace zrt {
namespace {

enum class ValueKind { String, Integer, Boolean, ProjectObject };

ValueKind kind_of_type(std::string_view type) {
  if (names_equal(type, "String")) return ValueKind::String;
  if (names_equal(type, "Boolean")) return ValueKind::Boolean;
  // Integer and Color read the same way; so does any type that names no
  // class, such as the widths of the smaller integer fields.
  if (find_runtime_class(type) != nullptr) return ValueKind::ProjectObject;
  return ValueKind::Integer;
}

// The value word with the reference it may hold, released once the setter
// has taken its own.
class ConvertedValue {
 public:
  ConvertedValue(ValueKind kind, std::string_view text) {
    switch (kind) {
      case ValueKind::String: m_string = StringRef::adopt(make_string(text)); m_word = word_of_pointer(m_string.get()); break;
      case ValueKind::Boolean: m_word = boolean_of_value_text(text) ? 1 : 0; break;
      case ValueKind::ProjectObject:
        m_object = ObjectRef::adopt(project_object(integer_of_value_text(text)));
        m_word = word_of_pointer(m_object.get());
        break;
      case ValueKind::Integer: m_word = static_cast<Word>(integer_of_value_text(text)); break;
    }
  }

  [[nodiscard]] Word word() const { return m_word; }

 private:
  Word m_word = 0;
  StringRef m_string;
  ObjectRef m_object;
};

}  // namespace

std::int32_t integer_of_value_text(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  std::uint32_t value = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') value = value * 10 + static_cast<std::uint32_t>(c - '0');
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

bool boolean_of_value_text(std::string_view text) {
  return names_equal(text, "True");
}

const PropertyEntry* find_property(const ClassRecord* record, std::string_view name) {
  for (; record != nullptr; record = record->superclass)
    for (const PropertyEntry* property = record->properties; property != nullptr; property = property->next)
      if (names_equal(string_text(property->name), name)) return property;
  return nullptr;
}

bool set_property_from_text(ZObject* object, std::string_view name, std::string_view value_text) {
  const PropertyEntry* property = find_property(class_of(object), name);
  if (property == nullptr || property->setter == 0) return false;
  const ConvertedValue value(kind_of_type(string_text(property->type)), value_text);
  const std::array<Word, 3> arguments{word_of_pointer(object), static_cast<Word>(property->parameter), value.word()};
  static_cast<void>(call_code(property->setter, arguments));
  return true;
}

}  // namespace zrt
