// The reading side of a text input stream: a block buffer over a byte source,
// scanned for line ends. CR, LF and CR LF each end one line, also when the
// CR is the last byte of one block and the LF the first of the next; LF CR
// ends a line and then an empty one. A line may be any length; the last one
// needs no terminator. The results do not depend on the block size. A
// source that gives no bytes before its end counts as ended.
#pragma once

#include "runtime/files/disk_file.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace zrt {

inline constexpr std::size_t k_text_block_size = 1024;

class LineReader {
 public:
  explicit LineReader(std::unique_ptr<ByteSource> source, std::size_t block_size = k_text_block_size);

  // The next line without its terminator; "" once everything is read.
  [[nodiscard]] std::string read_line();
  // Everything not read yet, line ends as they are.
  [[nodiscard]] std::string read_all();
  // The buffer is used up and the source is at its end.
  [[nodiscard]] bool at_end();

 private:
  void refill();

  std::unique_ptr<ByteSource> m_source;
  std::vector<char> m_buffer;
  std::size_t m_position = 0;
  std::size_t m_count = 0;
};

}  // namespace zrt
