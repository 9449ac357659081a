// Raising on Windows: the stack of the thread from its information block,
// checked reads of code through VirtualQuery, entering a handler by setting
// its frame pointer and jumping, and the end of an unhandled exception.
#include "runtime/core/exceptions.h"

#include "runtime/core/frame_walk.h"
#include "runtime/core/image_bases.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_message.h"
#include "runtime/core/strings.h"

#include <windows.h>

#include <cstring>

namespace zrt {
namespace {

// The thread's stack is read and written directly; other memory (code of
// the image and of the runtime behind return addresses) only read, and
// only where the system says a committed, readable page lies.
// The thread information block, through its own address at fs:0x18 (the
// header's NtCurrentTeb trips the compiler's array-bounds check).
const NT_TIB* thread_information_block() {
  const NT_TIB* tib = nullptr;
  asm("movl %%fs:0x18, %0" : "=r"(tib));
  return tib;
}

class LiveMemory final : public MemoryView {
 public:
  LiveMemory() {
    const NT_TIB* tib = thread_information_block();
    auto* limit = static_cast<std::uint8_t*>(tib->StackLimit);
    auto* base = static_cast<std::uint8_t*>(tib->StackBase);
    m_stack.add_region(word_of_pointer(limit), std::span(limit, base), Access::ReadWrite);
  }

  bool read(Address address, std::span<std::uint8_t> out) const override {
    if (m_stack.read(address, out)) return true;
    if (!readable(address, out.size())) return false;
    std::memcpy(out.data(), pointer_of_word(address), out.size());
    return true;
  }

  bool write(Address address, std::span<const std::uint8_t> bytes) override { return m_stack.write(address, bytes); }

 private:
  static bool readable_protection(DWORD protection) {
    if (protection & (PAGE_GUARD | PAGE_NOACCESS)) return false;
    constexpr DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return (protection & readable) != 0;
  }

  // Walks the system's regions over the range; the last one seen is kept,
  // since a trailer search reads the same region byte after byte.
  bool readable(Address address, std::size_t size) const {
    if (address == 0 || size > 0xFFFFFFFFu - address) return false;
    const Address end = address + static_cast<Address>(size);
    while (address < end) {
      if (!(address >= m_region_begin && address < m_region_end) && !query(address)) return false;
      address = m_region_end;
    }
    return true;
  }

  bool query(Address address) const {
    MEMORY_BASIC_INFORMATION info{};
    if (::VirtualQuery(pointer_of_word(address), &info, sizeof info) != sizeof info) return false;
    if (info.State != MEM_COMMIT || !readable_protection(info.Protect)) return false;
    m_region_begin = word_of_pointer(info.BaseAddress);
    m_region_end = m_region_begin + static_cast<Address>(info.RegionSize);
    return true;
  }

  RegionMemory m_stack;
  mutable Address m_region_begin = 0;
  mutable Address m_region_end = 0;
};

// Continues in the handler with its function's frame. The stack pointer
// stays where it is, below that frame; handler code sets its own from the
// frame pointer first.
[[noreturn]] void enter_handler(const HandlerEntry& handler) {
  asm volatile(
      "movl %0, %%ebp\n\t"
      "jmp *%1"
      :
      : "a"(handler.frame), "c"(handler.code)
      : "memory");
  __builtin_unreachable();
}

[[noreturn]] void end_unhandled(ZObject* exception) {
  if (!ends_silently(exception)) {
    const std::string text =
        unhandled_exception_message(runtime_messages(), string_text(class_of(exception)->name));
    show_runtime_message(text);
  }
  if (WindowsDeleter delete_windows = remaining_windows_deleter()) delete_windows();
  ::ExitProcess(0);
}

}  // namespace

void raise_on_platform(ZObject* exception) {
  LiveMemory memory;
  const Address innermost = word_of_pointer(__builtin_frame_address(0));
  if (const auto handler = unwind_to_handler(memory, code1_segment(), innermost, exception)) enter_handler(*handler);
  end_unhandled(exception);
}

}  // namespace zrt
