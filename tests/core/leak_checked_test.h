// A test fixture that fails a test which leaves strings or bytes behind, and
// a helper that adopts a new string so every result is released.
#pragma once

#include "runtime/core/memory.h"
#include "runtime/core/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace runtime_test {

class LeakCheckedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_live_strings = zrt::live_string_count();
    m_live_bytes = zrt::live_bytes();
  }
  void TearDown() override {
    EXPECT_EQ(zrt::live_string_count(), m_live_strings) << "a string leaked";
    EXPECT_EQ(zrt::live_bytes(), m_live_bytes) << "memory leaked or was released with the wrong size";
  }

 private:
  std::int64_t m_live_strings = 0;
  std::size_t m_live_bytes = 0;
};

inline zrt::StringRef make(std::string_view text) {
  return zrt::StringRef::adopt(zrt::make_string(text));
}

inline zrt::StringRef adopt(ZString* result) {
  return zrt::StringRef::adopt(result);
}

// Joins byte sequences, since "\x93" "\xfa" "abc" literals are easy to misread.
template <typename... Parts>
std::string join(Parts... parts) {
  std::string joined;
  (joined.append(parts), ...);
  return joined;
}

}  // namespace runtime_test
