// The pool of menu command identifiers: every item takes the lowest free one
// when it is made and gives it back when it is removed. When every one is
// taken an item gets 0, which no menu command carries.
#pragma once

#include <bitset>
#include <cstdint>

namespace zrt {

class CommandIdentifiers {
 public:
  static constexpr std::int32_t first = 1000;
  static constexpr std::int32_t count = 1024;
  static constexpr std::int32_t none = 0;

  [[nodiscard]] std::int32_t take();
  // Identifiers outside the pool (0 among them) and free ones are ignored.
  void give_back(std::int32_t identifier);
  [[nodiscard]] bool in_use(std::int32_t identifier) const;

 private:
  std::bitset<count> m_taken;
};

}  // namespace zrt
