// The reading side of a text input stream: a block buffer over a byte source,
// scanned for line ends. CR, LF and CR LF each end one line, also when the
// CR is the last byte of one block and the LF the first of the next; LF CR
// ends a line and then an empty one. A line may be any length; the last one
// needs no terminator. The results do not depend on the block size. The
// input ends where the source gives no more bytes, also when a failed read
// gives none before the file's end: a loop until the end must not go on
// for ever.
#pragma once

#include "runtime/files/file_system.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zrt {

// Large enough that the system's read and the end-of-file test are paid once
// per several hundred lines, not once per dozen.
inline constexpr std::size_t k_text_block_size = 64 * 1024;

class LineReader {
 public:
  explicit LineReader(std::unique_ptr<ByteSource> source, std::size_t block_size = k_text_block_size);

  // The next line without its terminator; "" once everything is read. The
  // view is valid until the next call of any member: it points into the
  // block when the line lies within one, and into the reader's own line
  // otherwise.
  [[nodiscard]] std::string_view read_line();
  // Everything not read yet, line ends as they are.
  [[nodiscard]] std::string read_all();
  // The buffer is used up and the source gives no more bytes.
  [[nodiscard]] bool at_end();

 private:
  void refill();
  [[nodiscard]] std::size_t next_terminator() const;
  void step_over_lf_after_cr();

  std::unique_ptr<ByteSource> m_source;
  std::vector<char> m_buffer;
  std::size_t m_position = 0;
  std::size_t m_count = 0;
  // A line that crosses a block boundary is assembled here.
  std::string m_line;
};

}  // namespace zrt
