// Exported routines of arrays. Singles cross the boundary as doubles: compiled
// code passes a double, which is stored as a single, and reads come back on
// the floating-point stack like every floating-point result.
#pragma once

#include "runtime/interface/declarations.h"

namespace zif {

inline constexpr RoutineDecl array_routines[] = {
    {"RuntimeCreateArray", 'a', ""},
    {"RuntimeArrayCreateAddIndex", 'i', "aii"},
    {"RuntimeUBound", 'i', "a"},

    {"RuntimeDirectReadIntArray", 'i', "ai"},
    {"RuntimeDirectReadSingleArray", 'd', "ai"},
    {"RuntimeDirectReadDoubleArray", 'd', "ai"},
    {"RuntimeDirectReadStringArray", 's', "ai"},
    {"RuntimeDirectReadObjectArray", 'o', "ai"},
    {"RuntimeDirectWriteIntArray", 'v', "aii"},
    {"RuntimeDirectWriteSingleArray", 'v', "aid"},
    {"RuntimeDirectWriteDoubleArray", 'v', "aid"},
    {"RuntimeDirectWriteStringArray", 'v', "ais"},
    {"RuntimeDirectWriteObjectArray", 'v', "aio"},

    {"RuntimeIntArrayAppend", 'v', "ai"},
    {"RuntimeSingleArrayAppend", 'v', "ad"},
    {"RuntimeDoubleArrayAppend", 'v', "ad"},
    {"RuntimeStringArrayAppend", 'v', "as"},
    {"RuntimeObjectArrayAppend", 'v', "ao"},
    {"RuntimeIntArrayInsert", 'v', "aii"},
    {"RuntimeSingleArrayInsert", 'v', "aid"},
    {"RuntimeDoubleArrayInsert", 'v', "aid"},
    {"RuntimeStringArrayInsert", 'v', "ais"},
    {"RuntimeObjectArrayInsert", 'v', "aio"},
    {"RuntimeIntArrayRemove", 'v', "ai"},
    {"RuntimeSingleArrayRemove", 'v', "ai"},
    {"RuntimeDoubleArrayRemove", 'v', "ai"},
    {"RuntimeStringArrayRemove", 'v', "ai"},
    {"RuntimeObjectArrayRemove", 'v', "ai"},

    {"RuntimeIntArraySort", 'v', "a"},
    {"RuntimeSingleArraySort", 'v', "a"},
    {"RuntimeDoubleArraySort", 'v', "a"},
    {"RuntimeStringArraySort", 'v', "a"},

    // Dimension level gets the new upper bound; what lies beyond it is released.
    {"RuntimeRedimIntArrayLevel", 'v', "aii"},
    {"RuntimeRedimSingleArrayLevel", 'v', "aii"},
    {"RuntimeRedimDoubleArrayLevel", 'v', "aii"},
    {"RuntimeRedimStringArrayLevel", 'v', "aii"},
    {"RuntimeRedimObjectArrayLevel", 'v', "aii"},

    // Integer, single and double arrays share the first.
    {"RuntimeDisposeIntArray", 'v', "a"},
    {"RuntimeDisposeStringArray", 'v', "a"},
    {"RuntimeDisposeObjectArray", 'v', "a"},

    // Multi-dimensional access: start, add every index but the last, then
    // read or write with the last.
    {"RuntimeArrayStartReadAccess", 'v', "ai"},
    {"RuntimeArrayStartWriteAccess", 'v', "ai"},
    {"RuntimeArrayAddReadIndex", 'v', "ai"},
    {"RuntimeArrayAddWriteIndex", 'v', "ai"},
    {"RuntimeReadIntArray", 'i', "ai"},
    {"RuntimeReadSingleArray", 'd', "ai"},
    {"RuntimeReadDoubleArray", 'd', "ai"},
    {"RuntimeReadStringArray", 's', "ai"},
    {"RuntimeReadObjectArray", 'o', "ai"},
    {"RuntimeWriteIntArray", 'v', "aii"},
    {"RuntimeWriteSingleArray", 'v', "aid"},
    {"RuntimeWriteDoubleArray", 'v', "aid"},
    {"RuntimeWriteStringArray", 'v', "ais"},
    {"RuntimeWriteObjectArray", 'v', "aio"},
};

}  // namespace zif
