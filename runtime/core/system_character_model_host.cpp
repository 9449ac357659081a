// Where there is no Windows to ask, the system's model is the fixed Western
// single-byte one.
#include "runtime/core/system_character_model.h"
#include "runtime/core/western_character_tables.h"

namespace zrt {

CharacterTables query_system_character_tables() {
  return western_character_tables();
}

}  // namespace zrt
