// The frame walk of raising: call-site lists, trailer search, cleanups and
// the choice of handler.
#include "runtime/core/frame_walk.h"

#include "runtime/core/class_records.h"
#include "runtime/core/class_table.h"
#include "runtime/core/objects.h"
#include "runtime/core/pointer_words.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/image_format.h"

#include <array>

namespace zrt {
namespace {

using namespace zif::image_format;

struct Frame {
  Address saved_frame;     // the caller's frame pointer
  Address return_address;  // into the caller's code
};

enum class Reference { String, Object };

enum class Outcome { Continue, Handled, Stop };

class Unwinder {
 public:
  Unwinder(MemoryView& memory, ZObject* exception) : m_memory(memory), m_exception(exception) {}

  std::optional<HandlerEntry> walk_from(Address frame) {
    while (true) {
      const auto read = read_frame(frame);
      if (!read) return std::nullopt;
      // The caller's frame must lie above, and near: anything else is not
      // a frame of compiled code (a frame pointer to itself would loop).
      // It is checked before its trailer's cleanups write into it or a
      // handler runs with it.
      if (read->saved_frame <= frame || read->saved_frame - frame > max_frame_distance) return std::nullopt;
      if (calls_from_compiled_code(read->return_address)) {
        const Outcome outcome = unwind_caller(frame, *read);
        if (outcome == Outcome::Handled) return m_handler;
        if (outcome == Outcome::Stop) return std::nullopt;
      }
      frame = read->saved_frame;
    }
  }

  // The frame of the routine that compiled code called: the first one, from
  // the innermost upward, whose return address lies in code1.
  std::optional<Address> first_called_from(const ImageSegment& code1, Address frame) const {
    while (true) {
      const auto read = read_frame_words(frame);
      if (!read) return std::nullopt;
      if (code1.contains(read->return_address)) return frame;
      if (read->saved_frame <= frame) return std::nullopt;
      frame = read->saved_frame;
    }
  }

 private:
  // The saved frame pointer and return address, provided the first
  // argument slot can be read too.
  std::optional<Frame> read_frame_words(Address frame) const {
    std::array<std::uint8_t, 12> words{};
    if (!m_memory.read(frame, words)) return std::nullopt;
    return Frame{*m_memory.word_at(frame), *m_memory.word_at(frame + 4)};
  }

  // A frame whose caller's code can be read as well.
  std::optional<Frame> read_frame(Address frame) const {
    const auto read = read_frame_words(frame);
    std::array<std::uint8_t, 4> code{};
    if (!read || !m_memory.read(read->return_address, code)) return std::nullopt;
    return read;
  }

  bool calls_from_compiled_code(Address return_address) const {
    return m_memory.byte_at(return_address) == short_jump && m_memory.byte_at(return_address + 2) == list_marker;
  }

  Outcome unwind_caller(Address frame, const Frame& read) {
    m_inside_handler = false;
    const auto after_list = process_call_site_list(read.return_address, frame + first_argument_offset);
    if (!after_list) return Outcome::Stop;
    const auto trailer = find_trailer(*after_list);
    if (!trailer) return Outcome::Stop;
    return process_trailer(*trailer, read.saved_frame);
  }

  // Returns the address after the list. The list ends at its 0 byte, and at
  // the latest where its short jump lands.
  std::optional<Address> process_call_site_list(Address return_address, Address first_argument) {
    const auto length = m_memory.byte_at(return_address + 1);
    if (!length) return std::nullopt;
    const Address jump_target = return_address + 2 + *length;
    Address position = return_address + 3;
    while (position < jump_target) {
      const auto kind = m_memory.byte_at(position++);
      if (!kind) return std::nullopt;
      if (*kind == list_end) break;
      if (*kind == site_entry::called_inside_handler) m_inside_handler = true;
      if (*kind != site_entry::release_pushed_string && *kind != site_entry::release_pushed_object) continue;
      const auto offset = m_memory.byte_at(position++);
      if (!offset) return std::nullopt;
      release_slot(first_argument + *offset, *kind == site_entry::release_pushed_string ? Reference::String : Reference::Object);
    }
    return position;
  }

  // The trailer of the caller: the first "leave; ret; 0x2F" after the list.
  // The result is the address of its first entry. The code is searched a
  // chunk at a time, since every checked read has its cost; near the end of
  // readable memory, where a whole chunk cannot be read, byte by byte.
  std::optional<Address> find_trailer(Address position) const {
    constexpr std::size_t chunk = 64;
    std::array<std::uint8_t, chunk + 2> bytes{};
    for (; m_memory.read(position, bytes); position += chunk) {
      for (std::size_t i = 0; i < chunk; ++i) {
        if (is_trailer_start(bytes[i], bytes[i + 1], bytes[i + 2])) return position + i + 3;
      }
    }
    return find_trailer_bytewise(position);
  }

  std::optional<Address> find_trailer_bytewise(Address position) const {
    std::array<std::uint8_t, 3> bytes{};
    for (;; ++position) {
      if (!m_memory.read(position, bytes)) return std::nullopt;
      if (is_trailer_start(bytes[0], bytes[1], bytes[2])) return position + 3;
    }
  }

  static bool is_trailer_start(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    return first == leave_opcode && second == ret_opcode && third == list_marker;
  }

  Outcome process_trailer(Address position, Address frame) {
    while (true) {
      const Address entry = position;
      const auto kind = m_memory.byte_at(entry);
      if (!kind) return Outcome::Stop;
      if (*kind == list_end) break;
      position = entry + 1;  // a byte of no kind is skipped
      if (*kind == trailer_entry::handler) {
        const auto class_index = m_memory.big_endian_i16_at(entry + 1);
        const auto displacement = m_memory.big_endian_i32_at(entry + handler_displacement_origin);
        if (!class_index || !displacement) return Outcome::Stop;
        const Address handler = entry + handler_displacement_origin + static_cast<Address>(*displacement);
        position = entry + trailer_handler_size;
        if (!m_inside_handler && takes_exception(*class_index)) return enter(frame, handler);
      } else if (*kind == trailer_entry::release_local_string || *kind == trailer_entry::release_local_object) {
        const auto offset = m_memory.big_endian_i16_at(entry + 1);
        if (!offset) return Outcome::Stop;
        position = entry + trailer_release_size;
        release_slot(frame + static_cast<Address>(*offset),
                     *kind == trailer_entry::release_local_string ? Reference::String : Reference::Object);
      }
    }
    release_slot(frame + exception_variable_offset, Reference::Object);
    return Outcome::Continue;
  }

  bool takes_exception(std::int16_t class_index) const {
    return class_is_a(class_of(m_exception), class_at_index(class_index));
  }

  Outcome enter(Address frame, Address handler) {
    // The exception variable may still hold an exception caught earlier;
    // it is released rather than overwritten.
    release_slot(frame + exception_variable_offset, Reference::Object);
    if (!m_memory.store_word(frame + exception_variable_offset, word_of_pointer(m_exception))) return Outcome::Stop;
    m_handler = HandlerEntry{frame, handler};
    return Outcome::Handled;
  }

  // Releases the reference held in a stack slot and clears the slot. A slot
  // that cannot be read or written is left alone. The exported unlocks are
  // used because they tolerate a reference already released.
  void release_slot(Address slot, Reference kind) {
    const auto word = m_memory.word_at(slot);
    if (!word || *word == 0 || !m_memory.store_word(slot, 0)) return;
    if (kind == Reference::String) {
      RuntimeUnlockString(pointer_of<ZString>(*word));
    } else {
      RuntimeUnlockObject(pointer_of<ZObject>(*word));
    }
  }

  MemoryView& m_memory;
  ZObject* m_exception;
  bool m_inside_handler = false;
  HandlerEntry m_handler{};
};

}  // namespace

std::optional<HandlerEntry> unwind_to_handler(MemoryView& memory, const ImageSegment& code1, Address innermost_frame,
                                              ZObject* exception) {
  Unwinder unwinder(memory, exception);
  const auto first = unwinder.first_called_from(code1, innermost_frame);
  if (!first) return std::nullopt;
  return unwinder.walk_from(*first);
}

}  // namespace zrt
