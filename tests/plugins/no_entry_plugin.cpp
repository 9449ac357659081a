// A library built by the tests without ZOLTPluginMain: the runtime loads it
// and skips it.
extern "C" __declspec(dllexport) int NotTheEntry() { return 1; }
