// Scanning blocks for line ends, appending whole runs of bytes to the line.
#include "runtime/files/line_reader.h"

#include <algorithm>

namespace zrt {

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::size_t block_size)
    : m_source(std::move(source)), m_buffer(block_size) {}

void LineReader::refill() {
  m_position = 0;
  m_count = static_cast<std::size_t>(m_source->read(m_buffer.data(), static_cast<std::int32_t>(m_buffer.size())));
}

std::string LineReader::read_line() {
  std::string line;
  for (;;) {
    const char* begin = m_buffer.data() + m_position;
    const char* end = m_buffer.data() + m_count;
    const char* stop = std::find_if(begin, end, [](char byte) { return byte == '\r' || byte == '\n'; });
    line.append(begin, stop);
    m_position = static_cast<std::size_t>(stop - m_buffer.data());
    if (stop != end) {
      ++m_position;
      if (*stop == '\r') {
        if (m_position == m_count) refill();
        if (m_position < m_count && m_buffer[m_position] == '\n') ++m_position;
      }
      return line;
    }
    if (m_source->at_end()) return line;
    refill();
    // A read that fails before the end would otherwise be asked again forever.
    if (m_count == 0) return line;
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

bool LineReader::at_end() { return m_position >= m_count && m_source->at_end(); }

}  // namespace zrt
