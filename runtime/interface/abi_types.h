// The C types of values that cross the boundary between compiled code and the
// runtime. The records themselves are defined by the runtime modules that own
// them; the interface only needs their names.
#pragma once

#include <cstdint>

struct ZString;  // runtime string record
struct ZObject;  // object instance header
struct ZArray;   // array record

namespace zif {

// Compiled code places an object's fields after its header: the reference
// count, the class record and the two links of the live-object list.
inline constexpr std::int32_t object_header_size = 16;

// The instance size of a class record made at run time until its size is
// known; a plug-in class without superclass places its data after it.
inline constexpr std::int32_t default_instance_size = 24;

}  // namespace zif
