// Creating a window from its definition: the window object of the class the
// definition names, its properties, frame and placement, then the native
// window that the platform builds (which reads the control part). A
// definition that cannot be read, names no window class or has a Frame
// outside the table gives nil and leaves nothing behind, with the fault
// that names the window, the field and the offset where reading stopped.
#pragma once

#include "runtime/core/checked_memory.h"
#include "runtime/core/pointer_words.h"
#include "runtime/interface/abi_types.h"
#include "runtime/ui/definition_stream.h"
#include "runtime/ui/frame_table.h"
#include "runtime/ui/placement.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zrt {

// Builds the native window of a window object whose properties are set,
// with the stream after the window's property pairs; false when it failed.
using NativeWindowBuilder = bool (*)(ZObject* window, WindowKind kind, DefinitionStream& stream, Word* variable);

// The bytes of the definition at that address of the image's data: a
// 32-bit little-endian byte count, then the stream. Nothing when they cannot
// all be read.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> copy_window_definition(const MemoryView& data, Address definition);

struct WindowCreation {
  ZObject* window = nullptr;  // with one reference for the caller, or nil
  // Why the definition could not make the window; empty when it was made, or
  // when the system failed to make it.
  std::string fault;
};

// A variable given holds the window (its own reference) from the moment the
// object exists, so handlers run during creation reach it; it is nil again
// when creation fails.
[[nodiscard]] WindowCreation create_window(std::span<const std::uint8_t> definition, Word* variable, ScreenSize screen,
                                     NativeWindowBuilder build_native);

}  // namespace zrt
