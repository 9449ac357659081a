// The runtime routines the library calls, each found by name through the
// resolver the runtime hands to ZOLTPluginMain on its first use and kept.
#pragma once

#include "runtime/interface/plugin_records.h"

namespace appearance {

// Kept for the lookups that come later, from drawing.
void set_resolver(zplug::Resolver resolve);
[[nodiscard]] zplug::Routine resolve_routine(const char* name);

template <typename Signature>
class RuntimeRoutine {
 public:
  explicit constexpr RuntimeRoutine(const char* name) : m_name(name) {}

  // Null when the runtime has no routine of that name.
  [[nodiscard]] Signature* get() {
    if (m_routine == nullptr) m_routine = reinterpret_cast<Signature*>(resolve_routine(m_name));
    return m_routine;
  }

 private:
  const char* m_name;
  Signature* m_routine = nullptr;
};

}  // namespace appearance
