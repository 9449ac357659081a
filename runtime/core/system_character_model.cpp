// The process's character model, built from the system's tables on first use.
#include "runtime/core/system_character_model.h"

namespace zrt {

const CharacterModel& system_character_model() {
  static const CharacterModel model(query_system_character_tables());
  return model;
}

}  // namespace zrt
