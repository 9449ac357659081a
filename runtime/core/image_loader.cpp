// The loader's portable steps between reading the segments and calling the
// entry routine.
#include "runtime/core/image_loader.h"

#include "runtime/core/image_relocation.h"

namespace zrt {

std::optional<LinkedImage> link_image(const ImageBlocks& blocks, ImportResolver& resolver, LoadError& error) {
  auto deferred = link_code(blocks.code1, blocks.code2, blocks.data1.base(), resolver, error);
  if (!deferred) return std::nullopt;
  if (!relocate_data(blocks.data1, blocks.code1.base(), blocks.data2, error)) return std::nullopt;
  const auto header = read_image_header(blocks.code1, blocks.data1, error);
  if (!header) return std::nullopt;
  return LinkedImage{*header, std::move(*deferred)};
}

}  // namespace zrt
