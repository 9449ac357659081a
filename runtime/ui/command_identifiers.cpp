// The command identifier pool.
#include "runtime/ui/command_identifiers.h"

namespace zrt {
namespace {

bool in_pool(std::int32_t identifier) {
  return identifier >= CommandIdentifiers::first && identifier < CommandIdentifiers::first + CommandIdentifiers::count;
}

}  // namespace

std::int32_t CommandIdentifiers::take() {
  for (std::int32_t slot = 0; slot < count; ++slot) {
    if (m_taken.test(static_cast<std::size_t>(slot))) continue;
    m_taken.set(static_cast<std::size_t>(slot));
    return first + slot;
  }
  return none;
}

void CommandIdentifiers::give_back(std::int32_t identifier) {
  if (in_pool(identifier)) m_taken.reset(static_cast<std::size_t>(identifier - first));
}

bool CommandIdentifiers::in_use(std::int32_t identifier) const {
  return in_pool(identifier) && m_taken.test(static_cast<std::size_t>(identifier - first));
}

}  // namespace zrt
