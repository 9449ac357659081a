// Emission of instructions and the call-site lists behind calls. A call-site
// list is a short jump over "2F, entries, 00"; its release entries give the
// offset of an owned reference from the stack pointer at the call.
#include "compiler/assembly_writer.h"

#include "compiler/text_format.h"
#include "runtime/interface/image_format.h"

#include <cassert>

namespace zc {

using namespace zif::image_format;

void AssemblyWriter::emit(std::string_view instruction) {
  m_text += "  ";
  m_text += instruction;
  m_text += '\n';
}

void AssemblyWriter::label(std::string_view name) {
  m_text += name;
  m_text += ":\n";
}

void AssemblyWriter::comment(std::string_view text) {
  m_text += "# ";
  m_text += text;
  m_text += '\n';
}

std::string AssemblyWriter::new_label() { return ".L" + std::to_string(m_next_label++); }

void AssemblyWriter::push(std::string_view operand, SlotKind kind) {
  emit("pushl " + std::string(operand));
  m_slots.push_back(kind);
}

void AssemblyWriter::push_double() {
  emit("subl $8, %esp");
  emit("fstpl (%esp)");
  m_slots.insert(m_slots.end(), 2, SlotKind::Plain);
}

void AssemblyWriter::push_single() {
  emit("subl $4, %esp");
  emit("fstps (%esp)");
  m_slots.push_back(SlotKind::Plain);
}

void AssemblyWriter::drop(int words) {
  if (words == 0) return;
  assert(words <= depth() && "the generated code pops more than it pushed");
  emit("addl $" + std::to_string(4 * words) + ", %esp");
  m_slots.resize(m_slots.size() - static_cast<std::size_t>(words));
}

void AssemblyWriter::pop(std::string_view reg) {
  assert(depth() > 0 && "the generated code pops more than it pushed");
  emit("popl " + std::string(reg));
  m_slots.pop_back();
}

void AssemblyWriter::set_kind(int word_from_top, SlotKind kind) {
  m_slots.at(m_slots.size() - 1 - static_cast<std::size_t>(word_from_top)) = kind;
}

SlotKind AssemblyWriter::kind(int word_from_top) const {
  return m_slots.at(m_slots.size() - 1 - static_cast<std::size_t>(word_from_top));
}

// An entry holds its offset in one byte, and the short jump over the list
// reaches 127 bytes: a call that keeps an owned reference deeper, or too many
// of them, is marked as unlisted for the code generator to report.
void AssemblyWriter::call(std::string_view target) {
  emit("call " + std::string(target));
  std::vector<int> entries;
  for (int from_top = 0; from_top < depth(); ++from_top) {
    const SlotKind slot = kind(from_top);
    if (slot == SlotKind::Plain) continue;
    m_unlisted |= 4 * from_top > 255;
    entries.push_back(slot == SlotKind::OwnedString ? site_entry::release_pushed_string
                                                    : site_entry::release_pushed_object);
    entries.push_back(4 * from_top & 0xFF);
  }
  if (m_in_handler) entries.push_back(site_entry::called_inside_handler);
  const std::size_t jump = entries.size() + 2;  // the marker, the entries and the end
  m_unlisted |= jump > max_site_list_length;
  std::string bytes = text::hex(short_jump) + ", " + std::to_string(jump & 0x7F) + ", " +
                      text::hex(list_marker);
  for (const int entry : entries) bytes += ", " + std::to_string(entry);
  emit(".byte " + bytes + ", " + std::to_string(list_end));
}

bool AssemblyWriter::take_unlisted() {
  const bool unlisted = m_unlisted;
  m_unlisted = false;
  return unlisted;
}

}  // namespace zc
