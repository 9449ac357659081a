// Linking the member imports the loader put aside: calls of methods and
// property accessors of runtime (and later plug-in) classes, named by a kind
// letter, the class name, "!" and the member name. They are linked once the
// classes exist. A member that cannot be found stops the start with a
// message naming it, rather than leaving calls that lead nowhere.
#pragma once

#include "runtime/core/class_table.h"
#include "runtime/core/image_block.h"
#include "runtime/core/image_linker.h"
#include "runtime/core/loader_error.h"

#include <span>
#include <string_view>

namespace zrt {

struct MemberImport {
  char kind = 0;  // M or W a method, G a getter, S a setter
  std::string_view class_name;
  std::string_view member;
};

// "GWindow!Title" gives G, "Window", "Title"; without a "!" after the class
// (or with one right after the kind) the class name is empty.
[[nodiscard]] MemberImport split_member_import(std::string_view name);

// The routine the import names; 0 when there is none.
[[nodiscard]] CodeAddress member_import_target(const MemberImport& import, NamedClassLookup find_class);

// Links every chain; false with the error naming each member not found.
[[nodiscard]] bool link_member_imports(std::span<const DeferredImport> imports, ImageBlock code1,
                                       NamedClassLookup find_class, LoadError& error);

}  // namespace zrt
