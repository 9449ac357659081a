// zpack: writes a runtime executable with an application image appended,
// its PICKLE resource pointing at it and its checksum stamped.
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "compiler/image_packer.h"

namespace {

constexpr char k_usage[] = "usage: zpack RUNTIME.exe IMAGE -o OUT.exe\n";

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 || std::string(argv[3]) != "-o") {
    std::cerr << k_usage;
    return 2;
  }
  try {
    write_file(argv[4], zpack::pack_image(read_file(argv[1]), read_file(argv[2])));
  } catch (const std::runtime_error& error) {
    std::cerr << "zpack: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
