// The C types of values that cross the boundary between compiled code and the
// runtime. The records themselves are defined by the runtime modules that own
// them; the interface only needs their names.
#pragma once

#include <cstdint>

struct ZString;  // runtime string record
struct ZObject;  // object instance header
struct ZArray;   // array record
