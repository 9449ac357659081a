// The application image as zc writes it and the runtime reads it: the
// conventions of compiled code that the exception walk relies on, the four
// segments and their records, and the data the runtime builds its tables
// from. Both sides, and the generated assembler include of the tests' images
// written by hand, take every kind, marker and layout from here.
// docs/image-format.md describes the format as a whole, with an example.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zif::image_format {

// ---- Compiled code: frames, call-site lists and cleanup trailers ----------

// Every call in compiled code is followed by its call-site list:
// short_jump, the jump's length, list_marker, entries, list_end. The jump
// skips the list, so it reaches at most max_site_list_length bytes.
inline constexpr std::uint8_t short_jump = 0xEB;
inline constexpr std::uint8_t list_marker = 0x2F;
inline constexpr std::uint8_t list_end = 0;
inline constexpr std::size_t max_site_list_length = 127;

// Entries of a call-site list. The releases carry one byte: the slot's offset
// from the callee's first argument slot, which lies first_argument_offset
// above the callee's frame pointer.
namespace site_entry {
inline constexpr std::uint8_t release_pushed_string = 1;
inline constexpr std::uint8_t release_pushed_object = 2;
inline constexpr std::uint8_t called_inside_handler = 7;
}  // namespace site_entry
inline constexpr int first_argument_offset = 8;

// A compiled function has one epilogue, "leave; ret", directly followed by
// its cleanup trailer: list_marker, entries, list_end.
inline constexpr std::uint8_t leave_opcode = 0xC9;
inline constexpr std::uint8_t ret_opcode = 0xC3;

// Entries of a cleanup trailer; their operands are big-endian. A handler
// carries a 16-bit class index and a 32-bit displacement to its code,
// counted from the end of the class index; a release a 16-bit frame offset.
namespace trailer_entry {
inline constexpr std::uint8_t handler = 4;
inline constexpr std::uint8_t release_local_string = 5;
inline constexpr std::uint8_t release_local_object = 6;
}  // namespace trailer_entry
inline constexpr int trailer_handler_size = 7;        // kind, class index, displacement
inline constexpr int trailer_release_size = 3;        // kind, frame offset
inline constexpr int handler_displacement_origin = 3;  // from the entry's start: after the class index

// The first local of every compiled function: the exception variable of its
// handlers, which the walk fills when a handler takes an exception.
inline constexpr int exception_variable_offset = -4;

// ---- code1: imports are relative calls ------------------------------------

inline constexpr std::uint8_t call_opcode = 0xE8;

// ---- code2: records the loader links code1 with ----------------------------

// An import record: the kind, the u32 code1 offset of the first call operand
// of the chain (each operand holds the next one's offset, the last 0), the
// name's length and the name. A code-pointer record: the kind and the u32
// code1 offset of a word that gets data1's base added. Any other byte is
// filler.
namespace code2_record {
inline constexpr std::uint8_t import = 1;
inline constexpr std::uint8_t code_pointer = 2;
}  // namespace code2_record
inline constexpr std::size_t import_record_fixed_size = 6;  // kind, chain head, name length
inline constexpr std::size_t code_pointer_record_size = 5;  // kind, code1 offset
inline constexpr std::size_t max_import_name = 255;

// Import names: a runtime export by its name; "!X" library "!" routine for a
// routine of a shared library; "!" kind class "!" member for a member of a
// plug-in class, linked once the plug-ins are registered.
inline constexpr std::string_view library_import_prefix = "!X";
inline constexpr char deferred_import_prefix = '!';
inline constexpr char member_separator = '!';
namespace deferred_kind {
inline constexpr char method = 'M';
inline constexpr char interface_method = 'W';  // the method's second routine
inline constexpr char getter = 'G';
inline constexpr char setter = 'S';
}  // namespace deferred_kind

// ---- data2: the relocation of data1 -----------------------------------------

// Little-endian 16-bit words over a cursor into data1. A skip word moves the
// cursor (low 12 bits) + 1 bytes; a run word adds a base to (low 9 bits) + 1
// words at the cursor and moves past them. Other words are ignored.
inline constexpr std::uint16_t skip_mask = 0xF000;
inline constexpr std::uint16_t skip_word = 0x8000;
inline constexpr std::uint16_t skip_length_bits = 0x0FFF;
inline constexpr std::uint32_t max_skip = skip_length_bits + 1;
inline constexpr std::uint16_t run_mask = 0xFE00;
inline constexpr std::uint16_t code_run_word = 0x4000;         // adds code1's base
inline constexpr std::uint16_t data_run_word = 0x4200;         // adds data1's base
inline constexpr std::uint16_t second_code_run_word = 0x4600;  // read only: adds code1's base too
inline constexpr std::uint16_t run_length_bits = 0x01FF;
inline constexpr std::uint32_t max_run_words = run_length_bits + 1;

// ---- data1 --------------------------------------------------------------------

// data1 begins with two pointer words.
struct Header {
  std::uint32_t entry;        // the entry routine, relocated by code1's base
  std::uint32_t application;  // the application descriptor, relocated by data1's base
};
static_assert(sizeof(Header) == 8 && offsetof(Header, application) == 4);
inline constexpr std::uint32_t header_size = sizeof(Header);

// The application descriptor: a class count and as many class descriptor
// addresses (the position is the class index), then a project-object count
// and as many project-object descriptor addresses (0 for an empty slot).
//
// A class descriptor starts with its kind. A runtime class reference is the
// kind and the address of its name's literal string. A program class is the
// kind, its instance size, the address of its name (0 for none), its
// superclass's index (no_superclass for none), a lifecycle flag (1, then
// its constructor and destructor; or 0), an interface flag, then counted
// lists: interface indices; methods (name and routine, an interface's name
// only); handlers (name, routine, key); constants (name, value); and last
// the table word and the virtual table.
namespace class_kind {
inline constexpr std::uint32_t program = 0;
inline constexpr std::uint32_t runtime = 1;
}  // namespace class_kind
inline constexpr std::uint32_t no_superclass = 0xFFFFFFFF;
inline constexpr std::uint32_t table_word = 1;

// A project-object descriptor starts with its kind.
namespace project_kind {
inline constexpr std::uint32_t picture = 1;
inline constexpr std::uint32_t menu_bar = 2;
inline constexpr std::uint32_t movie = 3;
inline constexpr std::uint32_t settings = 4;
inline constexpr std::uint32_t instance_in_global = 5;
inline constexpr std::uint32_t sound = 6;
inline constexpr std::uint32_t mouse_cursor = 9;
inline constexpr std::uint32_t database = 10;
}  // namespace project_kind

// A literal string: its buffer (a length byte, the text, a NUL), and a
// record laid out as the runtime's strings are, with one reference that is
// never released.
struct LiteralString {
  std::uint32_t references;
  std::uint32_t buffer;
  std::uint32_t capacity;
  std::uint32_t length;
};
static_assert(sizeof(LiteralString) == 16 && offsetof(LiteralString, buffer) == 4 &&
              offsetof(LiteralString, length) == 12);
inline constexpr std::uint32_t literal_references = 1;

// A plug-in entry: the next entry's address (0 ends the list), the entry's
// size counted from the name-length byte, a reserved word; then the name's
// length byte, the library's file name and the library's bytes. The entry
// routine receives the first entry's address.
struct PluginEntryHead {
  std::uint32_t next;
  std::uint32_t size;
  std::uint32_t reserved;
};
static_assert(sizeof(PluginEntryHead) == 12);
inline constexpr std::size_t max_plugin_name = 255;
// The size word: the name-length byte, the name and the library, plus 4.
constexpr std::uint64_t plugin_entry_size(std::uint64_t name_length, std::uint64_t library_size) {
  return 1 + name_length + library_size + 4;
}

// The packed integers of the definition and settings streams: the first byte
// holds a continuation bit, a sign bit and six magnitude bits, each further
// byte a continuation bit and seven more. The magnitude 0x80000000 stands for
// the most negative integer (the menu definition's "no index").
inline constexpr std::uint8_t packed_more = 0x80;
inline constexpr std::uint8_t packed_negative = 0x40;
inline constexpr std::uint8_t packed_first_bits = 0x3F;
inline constexpr std::uint8_t packed_further_bits = 0x7F;
inline constexpr std::uint64_t packed_most_negative = 0x80000000u;

// ---- The packed program ----------------------------------------------------

// The image travels as one blob of the four segments, each a u32 length and
// its bytes, in the order code1, code2, data1, data2, appended to a copy of
// the runtime. The runtime's PICKLE resource (8 bytes, beginning with the
// placeholder text until zpack patches it) then gives the blob's file offset
// and the resource index's (no_resource_index for none).
inline constexpr int segment_count = 4;
inline constexpr char pickle_type[] = "PICKLE";
inline constexpr std::uint16_t pickle_id = 101;
struct PickleResource {
  std::uint32_t image_offset;
  std::uint32_t resource_index_offset;
};
static_assert(sizeof(PickleResource) == 8 && offsetof(PickleResource, resource_index_offset) == 4);
inline constexpr std::size_t pickle_size = sizeof(PickleResource);
inline constexpr std::string_view pickle_placeholder = "PICK";
inline constexpr std::uint32_t no_resource_index = 0xFFFFFFFF;

}  // namespace zif::image_format
