// A folder of the current test's own under the system's temporary folder,
// emptied when the test starts and removed when it ends, with a helper that
// writes a file of bytes into it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace runtime_test {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix)
      : m_dir(std::filesystem::temp_directory_path() /
              (prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    clear();
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }

  void clear() const {
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }

  void write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(m_dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  [[nodiscard]] std::string path(const std::string& name = "") const { return (m_dir / name).string(); }

 private:
  std::filesystem::path m_dir;
};

}  // namespace runtime_test
