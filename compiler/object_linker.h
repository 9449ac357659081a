// Turns one assembled COFF object into the four image segments: code sections
// become code1, data sections data1, and each relocation becomes an import
// chain, a code2 record, a data2 run or a resolved displacement.
#pragma once

#include <stdexcept>
#include <string_view>

#include "compiler/coff_reader.h"
#include "compiler/image_writer.h"

namespace zlink {

class LinkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The object names the image's entry routine (in code) and its application
// descriptor (in data) with these two symbols; data1 words 0 and 1 point at
// them.
inline constexpr std::string_view k_entry_symbol = "_zoltic_entry";
inline constexpr std::string_view k_application_symbol = "_zoltic_app";

image::Segments link_object(const coff::Object& object);

}  // namespace zlink
