// The program's literal strings, each stored once in the image as a ready
// runtime string record: the buffer (length byte, text, NUL) and, at the next
// 4-byte boundary, the record with count 1, buffer address, capacity and length.
#pragma once

#include <map>
#include <string>

#include "compiler/assembly_writer.h"

namespace zc {

class LiteralPool {
 public:
  // The label of the record holding `text`; the empty string has none, since
  // it is the null reference.
  std::string label_of(const std::string& text);
  void write(AssemblyWriter& out) const;

 private:
  std::map<std::string, std::string> m_labels;  // text -> record label
};

// `.byte` lines of arbitrary bytes, at most 16 a line.
void emit_bytes(AssemblyWriter& out, std::string_view bytes);

}  // namespace zc
