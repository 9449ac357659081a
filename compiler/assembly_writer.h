// The text of the GNU assembler source zc writes for i386: instructions and
// directives through one emit(), numbered labels, and the machine stack as
// the generated code leaves it at each point, so that every call can be
// followed by its call-site list naming the owned references on the stack
// (docs/image-format.md).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zc {

// What one 32-bit word pushed by generated code holds, as far as an
// exception passing a call needs to know: an owned reference is released.
enum class SlotKind : std::uint8_t { Plain, OwnedString, OwnedObject };

class AssemblyWriter {
 public:
  void emit(std::string_view instruction);
  void label(std::string_view name);
  void comment(std::string_view text);
  std::string new_label();
  std::string text() const { return m_text; }

  // The stack model. Every push and pop of generated code goes through here.
  void push(std::string_view operand, SlotKind kind = SlotKind::Plain);
  void push_double();                    // ST0 into two new words
  void push_single();                    // ST0 as a 32-bit float into one new word
  void drop(int words);                  // pops words without reading them
  void pop(std::string_view reg);        // pops the top word into a register
  void set_kind(int word_from_top, SlotKind kind);
  SlotKind kind(int word_from_top) const;
  int depth() const { return static_cast<int>(m_slots.size()); }
  // Restores the model after code that left the stack elsewhere (a handler
  // resets the stack pointer; a loop exit leaves at statement level).
  void reset_stack() { m_slots.clear(); }

  // A call followed by its call-site list. `target` is a routine name or an
  // operand such as "*%eax".
  void call(std::string_view target);
  void set_in_handler(bool in_handler) { m_in_handler = in_handler; }
  // Whether a call since the last question had an owned reference that its
  // call-site list cannot name; the code is wrong then and must not be used.
  bool take_unlisted();

 private:
  std::string m_text;
  std::vector<SlotKind> m_slots;  // bottom first
  int m_next_label = 0;
  bool m_in_handler = false;
  bool m_unlisted = false;
};

}  // namespace zc
