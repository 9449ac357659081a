// zlink: links one assembled COFF i386 object into an application image,
// written either as the four development segment files or as one blob.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "compiler/coff_reader.h"
#include "compiler/image_writer.h"
#include "compiler/object_linker.h"

namespace {

constexpr char k_usage[] = "usage: zlink IN.obj -o DIR | zlink IN.obj --image FILE\n";

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open file");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_blob(const std::string& path, const std::vector<std::uint8_t>& blob) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(blob.data()), static_cast<std::streamsize>(blob.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << k_usage;
    return 2;
  }
  const std::string input = argv[1];
  const std::string mode = argv[2];
  const std::string output = argv[3];
  if (mode != "-o" && mode != "--image") {
    std::cerr << k_usage;
    return 2;
  }
  try {
    const image::Segments segments = zlink::link_object(coff::read_object(read_file(input)));
    if (mode == "-o") {
      image::write_segment_files(segments, output);
    } else {
      write_blob(output, image::pack_segments(segments));
    }
  } catch (const std::runtime_error& error) {
    std::cerr << "zlink: " << input << ": " << error.what() << '\n';
    return 1;
  }
  return 0;
}
