// The application's class table: one class record per class descriptor of
// the image, in descriptor order, so that a class index from compiled code
// finds its class. Building it reads the descriptors through checked memory
// and reports malformed ones instead of trusting them.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/class_records.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zrt {

// Finds a class the image refers to by name (runtime classes, then classes
// that plug-ins registered); null when there is none.
using NamedClassLookup = ClassRecord* (*)(std::string_view name);

struct ClassTableBuild {
  bool built = false;
  std::string error;  // why the table was not built, naming the descriptor
  std::string trace;  // diagnostics for the debug trace, each line ended by "\n"
};

// Builds the table from the class part of the application descriptor (the
// class count, then one descriptor address per class) and makes it the
// current table. On failure the current table stays as it was.
[[nodiscard]] ClassTableBuild build_class_table(const MemoryView& data, Address application_descriptor,
                                                NamedClassLookup find_named_class);
// Frees the application's class records and empties the table.
void destroy_class_table();

[[nodiscard]] std::int32_t class_count();
// Null for an index outside the table or a slot naming a missing class.
[[nodiscard]] ClassRecord* class_at_index(std::int32_t index);
// The last application class descending from "Application"; null for none.
[[nodiscard]] ClassRecord* application_class();

}  // namespace zrt
