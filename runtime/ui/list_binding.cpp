#include "runtime/ui/list_binding.h"

#include "runtime/core/code_calls.h"
#include "runtime/core/pointer_words.h"
#include "runtime/interface/listbox_interface.h"
#include "runtime/ui/control_object.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace zrt {
namespace {

// Calls the object's method of that name with the arguments after the
// object; 0 when it has none.
Word call_method(ZObject* object, std::string_view name, std::initializer_list<Word> arguments) {
  const MethodEntry* method = object != nullptr ? find_method(class_of(object), name) : nullptr;
  if (method == nullptr || method->routine == 0) return 0;
  std::vector<Word> words{word_of_pointer(object)};
  words.insert(words.end(), arguments);
  return call_code(method->routine, words);
}

ZObject* source_of(ZObject* list) { return control_fields_of(list).reference(zif::listbox_fields::data_source); }

}  // namespace

bool is_bound(ZObject* list) { return source_of(list) != nullptr; }

StringRef shown_cell_text(ZObject* list, const ListModel& model, std::int32_t row, std::int32_t column) {
  ZObject* source = source_of(list);
  if (source == nullptr) {
    const ListCell* cell = model.row(row).cell(column);
    return cell != nullptr ? cell->text : StringRef{};
  }
  const ObjectRef source_row =
      ObjectRef::adopt(pointer_of<ZObject>(call_method(source, "GetRow", {static_cast<Word>(row)})));
  const auto fields = static_cast<std::int32_t>(call_method(source_row.get(), "FieldCount", {}));
  if (column < 0 || column + 1 > fields) return StringRef{};
  return StringRef::adopt(
      pointer_of<ZString>(call_method(source_row.get(), "getIndString", {static_cast<Word>(column + 1)})));
}

}  // namespace zrt
