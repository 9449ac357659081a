// The image's plug-in list: a linked list in the image's data that the
// image entry hands over before RuntimeInit, which installs what it holds.
#pragma once

namespace zrt {

// The list recorded by the image entry, or null before (or for an image
// that passes none).
[[nodiscard]] const void* recorded_plugin_list();

}  // namespace zrt
