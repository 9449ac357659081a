// A plug-in built by the tests, of version 4: the classes Counter and Tally
// (superclass, properties, methods, a constant, an event bound to its
// exports, an interface), the global method TwiceOf, a version-1 control
// OldDial and a method whose declaration is wrong. Its records are declared
// at compile time (which zc reads from its ".zclass" section); the copies it
// registers get their routines, which no constant expression can hold.
#include "runtime/interface/plugin_declaration.h"

#include <cstdint>

namespace {

constexpr zplug::PropertyEntry tally_properties[] = {{"Count", "Integer", nullptr, nullptr}};
constexpr zplug::MethodEntry tally_methods[] = {
    {nullptr, nullptr, "Add(amount As Integer) As Integer"},
    {nullptr, nullptr, "Broken(amount As"},
};
constexpr zplug::ConstantEntry tally_constants[] = {{"Limit", 99}};
constexpr zplug::ClassEventEntry tally_events[] = {{"Opened", 0}};

constexpr zplug::ClassDefinition classes[] = {
    {4, "Tally", "Counter", 4, 0, nullptr, nullptr, tally_properties, 1, tally_methods, 2, tally_constants, 1,
     tally_events, 1, "Shape"},
    {4, "Counter", "", 4, 0, nullptr, nullptr, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, nullptr},
};
constexpr zplug::GlobalMethodDefinition global_methods[] = {{nullptr, "TwiceOf(value As Integer) As Integer"}};

}  // namespace

ZPLUG_DECLARE_CLASSES(classes, global_methods);

namespace {

zplug::ClassDefinition g_classes[] = {classes[0], classes[1]};
zplug::PropertyEntry g_properties[] = {tally_properties[0]};
zplug::MethodEntry g_methods[] = {tally_methods[0], tally_methods[1]};
zplug::GlobalMethodDefinition g_twice = global_methods[0];

std::int32_t& count_of(void* tally) {
  return *reinterpret_cast<std::int32_t*>(static_cast<char*>(tally) + g_classes[0].data_offset);
}

std::int32_t tally_count_getter(void* tally, std::int32_t) { return count_of(tally); }
void tally_count_setter(void* tally, std::int32_t, std::int32_t value) { count_of(tally) = value; }
std::int32_t tally_add(void* tally, std::int32_t amount) { return count_of(tally) += amount; }
std::int32_t twice_of(std::int32_t value) { return 2 * value; }
void tally_opened(void*) {}

template <typename F>
zplug::Routine routine(F* function) {
  return reinterpret_cast<zplug::Routine>(function);
}

const zplug::Routine tally_exports[] = {routine(&tally_opened)};
zplug::ExportList g_exports{tally_exports, 1};

const zplug::ControlEventEntry dial_events[] = {{"Turned(angle As Integer)"}};
const zplug::MethodEntryVersion1 dial_methods[] = {{0, "Spin"}};
const zplug::ControlBehaviour dial_behaviour{nullptr, nullptr};
zplug::ControlDefinitionVersion1 g_old_dial{1, "OldDial", 8, 0, 1, 2, nullptr, 0, dial_methods, 1, dial_events, 1,
                                            &dial_behaviour, 0};

void give_routines() {
  g_properties[0].getter = routine(&tally_count_getter);
  g_properties[0].setter = routine(&tally_count_setter);
  g_methods[0].routine = g_methods[1].routine = routine(&tally_add);
  g_classes[0].properties = g_properties;
  g_classes[0].methods = g_methods;
  g_twice.routine = routine(&twice_of);
}

}  // namespace

extern "C" __declspec(dllexport) void ZOLTPluginMain(zplug::Resolver resolve) {
  const auto call = [&](const char* name, void* record) { reinterpret_cast<void (*)(void*)>(resolve(name))(record); };
  give_routines();
  reinterpret_cast<void (*)(std::int32_t)>(resolve("RegisterPluginVersion"))(4);
  call("RegisterPluginExports", &g_exports);
  call("PluginRegisterClass", &g_classes[0]);
  call("PluginRegisterClass", &g_classes[1]);
  call("PluginRegisterMethod", &g_twice);
  call("PluginRegisterControl", &g_old_dial);
}
