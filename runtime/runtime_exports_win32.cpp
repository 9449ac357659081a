// The runtime's export table, filled from the entries the interface generator
// writes for every declared routine.
#include "runtime/runtime_exports.h"

#include "runtime/interface/exports.h"

namespace zrt {
namespace {

const ExportEntry g_entries[] = {
#include "runtime/interface/export_entries.inc"
};

}  // namespace

const ExportTable& runtime_exports() {
  static const ExportTable table(g_entries);
  return table;
}

}  // namespace zrt
