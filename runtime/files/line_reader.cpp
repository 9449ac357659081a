// Scanning blocks for line ends, appending whole runs of bytes to the line.
// A line that lies within one block is given as a view into it, unassembled.
#include "runtime/files/line_reader.h"

#include "runtime/core/byte_scan.h"

namespace zrt {

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::size_t block_size)
    : m_source(std::move(source)), m_buffer(block_size) {}

void LineReader::refill() {
  m_position = 0;
  m_count = static_cast<std::size_t>(m_source->read(m_buffer.data(), static_cast<std::int32_t>(m_buffer.size())));
}

// The position of the next CR or LF in the block, or m_count.
std::size_t LineReader::next_terminator() const {
  const char* block = m_buffer.data();
  return static_cast<std::size_t>(find_either_byte(block + m_position, block + m_count, '\r', '\n') - block);
}

// After a CR: an LF right behind it belongs to the same line end, also when
// it is the first byte of the next block.
void LineReader::step_over_lf_after_cr() {
  if (m_position == m_count) refill();
  if (m_position < m_count && m_buffer[m_position] == '\n') ++m_position;
}

std::string_view LineReader::read_line() {
  m_line.clear();
  for (;;) {
    const std::size_t stop = next_terminator();
    const std::string_view run(m_buffer.data() + m_position, stop - m_position);
    m_position = stop;
    if (stop != m_count) {
      ++m_position;
      const bool after_cr = m_buffer[stop] == '\r';
      // The run goes into the line before a refill can overwrite it.
      const bool assemble = !m_line.empty() || (after_cr && m_position == m_count);
      if (assemble) m_line.append(run);
      if (after_cr) step_over_lf_after_cr();
      return assemble ? std::string_view(m_line) : run;
    }
    m_line.append(run);
    refill();
    if (m_count == 0) return m_line;
  }
}

std::string LineReader::read_all() {
  std::string all;
  do {
    all.append(m_buffer.data() + m_position, m_buffer.data() + m_count);
    refill();
  } while (m_count != 0);
  return all;
}

// The source is asked for the next block rather than where its end is:
// under Windows that takes four calls to move the file pointer, made once
// per block by every line loop.
bool LineReader::at_end() {
  if (m_position < m_count) return false;
  refill();
  return m_count == 0;
}

}  // namespace zrt
