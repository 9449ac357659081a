// Reading the print dialog's device-names block, damaged ones included.
#include "runtime/graphics/device_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Offsets, then "winspool", "PDF" and "CUPS:PDF" with their NULs.
std::vector<std::uint8_t> block_with_offsets(std::uint16_t driver, std::uint16_t device, std::uint16_t port) {
  std::vector<std::uint8_t> block{static_cast<std::uint8_t>(driver), 0, static_cast<std::uint8_t>(device), 0,
                                  static_cast<std::uint8_t>(port), 0, 0, 0};
  for (std::string_view name : {"winspool", "PDF", "CUPS:PDF"}) {
    block.insert(block.end(), name.begin(), name.end());
    block.push_back(0);
  }
  return block;
}

TEST(DeviceNames, ReadsTheThreeNamesAtTheirOffsets) {
  const auto names = zrt::read_device_names(block_with_offsets(8, 17, 21));
  ASSERT_TRUE(names);
  EXPECT_EQ(names->driver, "winspool");
  EXPECT_EQ(names->device, "PDF");
  EXPECT_EQ(names->port, "CUPS:PDF");
}

TEST(DeviceNames, DamagedBlocksGiveNothingInsteadOfReadingPastTheirEnd) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> block;
  };
  std::vector<std::uint8_t> unterminated = block_with_offsets(8, 17, 21);
  unterminated.pop_back();
  const Case cases[] = {
      {"shorter than its offsets", {8, 0, 9}},
      {"an offset beyond the block", block_with_offsets(8, 17, 200)},
      {"an offset into the offsets", block_with_offsets(8, 2, 21)},
      {"a last name without its NUL", unterminated},
  };
  for (const Case& c : cases) EXPECT_FALSE(zrt::read_device_names(c.block)) << c.what;
}

}  // namespace
