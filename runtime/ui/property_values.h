// Setting the properties of a runtime object from the property pairs of a
// definition: the name is looked up along the class chain, the value text is
// converted by the property's declared type, and the property's setter is
// called with (object, parameter, value). Windows, controls and menu items
// are all set up this way.
#pragma once

#include "runtime/core/class_records.h"
#include "runtime/interface/abi_types.h"

#include <cstdint>
#include <string_view>

namespace zrt {

// An optional leading "-", then every decimal digit of the text accumulated
// and every other character skipped; the empty text gives 0. The value
// wraps at 32 bits, as definitions written by hand may hold any digits.
[[nodiscard]] std::int32_t integer_of_value_text(std::string_view text);
// True exactly for "True" in any letter case.
[[nodiscard]] bool boolean_of_value_text(std::string_view text);

// The first property of that name (any letter case) in the class or an
// ancestor, own class first; null for none.
[[nodiscard]] const PropertyEntry* find_property(const ClassRecord* record, std::string_view name);

// Sets one property from its value text. A name that matches no property,
// and a property without setter, are skipped; the result says whether the
// setter was called.
bool set_property_from_text(ZObject* object, std::string_view name, std::string_view value_text);

}  // namespace zrt
