// Literal string records. Their count starts at 1, the image's own
// reference, so no balanced lock and unlock ever frees them.
#include "compiler/literal_pool.h"

#include "runtime/interface/image_format.h"

#include <algorithm>

namespace zc {

std::string LiteralPool::label_of(const std::string& text) {
  auto [found, inserted] = m_labels.try_emplace(text, "");
  if (inserted) found->second = "zstring_" + std::to_string(m_labels.size() - 1);
  return found->second;
}

void emit_bytes(AssemblyWriter& out, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size(); at += 16) {
    std::string line = ".byte ";
    for (std::size_t i = at; i < std::min(bytes.size(), at + 16); ++i)
      line += (i == at ? "" : ", ") + std::to_string(static_cast<unsigned char>(bytes[i]));
    out.emit(line);
  }
}

void LiteralPool::write(AssemblyWriter& out) const {
  for (const auto& [text, label] : m_labels) {
    const std::string buffer = label + "_text";
    out.emit(".balign 4");
    out.label(buffer);
    std::string bytes(1, static_cast<char>(std::min<std::size_t>(text.size(), 255)));
    bytes += text;
    bytes += '\0';
    emit_bytes(out, bytes);
    out.emit(".balign 4");
    out.label(label);
    const std::string length = std::to_string(text.size());
    // The record's words: references, buffer, capacity, length.
    out.emit(".long " + std::to_string(zif::image_format::literal_references) + ", " + buffer + ", " + length + ", " +
             length);
  }
}

}  // namespace zc
