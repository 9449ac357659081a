// Places the object's code and data sections in code1 and data1, then turns
// every relocation into the image fixup that expresses it, rejecting the ones
// the loader has no means to apply.
#include "compiler/object_linker.h"

#include "compiler/text_format.h"
#include "runtime/interface/image_format.h"

#include <optional>
#include <string>
#include <vector>

namespace zlink {
namespace {

enum class Area { dropped, code, data };

struct Placement {
  Area area = Area::dropped;
  std::uint32_t offset = 0;
};

Area area_of(const coff::Section& section) {
  constexpr std::uint32_t k_not_loaded =
      coff::k_scn_link_remove | coff::k_scn_link_info | coff::k_scn_discardable;
  constexpr std::uint32_t k_data = coff::k_scn_initialized_data | coff::k_scn_uninitialized_data;
  if ((section.characteristics & k_not_loaded) != 0) return Area::dropped;
  if ((section.characteristics & coff::k_scn_code) != 0) return Area::code;
  if ((section.characteristics & k_data) != 0) return Area::data;
  return Area::dropped;
}

std::string_view area_name(Area area) { return area == Area::code ? "code" : "data"; }

class Linker {
 public:
  explicit Linker(const coff::Object& object) : m_object(object) {}

  image::Segments run() {
    place_sections();
    for (std::size_t i = 0; i < m_object.sections.size(); ++i) {
      if (m_places[i].area == Area::dropped) continue;
      for (const coff::Relocation& relocation : m_object.sections[i].relocations) {
        link_relocation(m_object.sections[i], m_places[i], relocation);
      }
    }
    m_writer.set_entry(header_target(k_entry_symbol, Area::code, "entry routine"));
    m_writer.set_application(header_target(k_application_symbol, Area::data, "application descriptor"));
    return m_writer.finish();
  }

 private:
  // Code sections go to code1 and data sections to data1, each in file order.
  void place_sections() {
    m_places.resize(m_object.sections.size());
    for (const Area area : {Area::code, Area::data}) {
      for (std::size_t i = 0; i < m_object.sections.size(); ++i) {
        const coff::Section& section = m_object.sections[i];
        if (area_of(section) != area) continue;
        const std::uint32_t offset = area == Area::code
                                         ? m_writer.append_code(section.bytes, section.alignment)
                                         : m_writer.append_data(section.bytes, section.alignment);
        m_places[i] = {area, offset};
      }
    }
  }

  const coff::Symbol& symbol_of(const coff::Relocation& relocation, const std::string& at) const {
    if (relocation.symbol_index >= m_object.symbols.size() ||
        m_object.symbols[relocation.symbol_index].auxiliary) {
      throw LinkError(text::format("{}: relocation refers to symbol index {}, which is not a symbol",
                                  at, relocation.symbol_index));
    }
    return m_object.symbols[relocation.symbol_index];
  }

  // Where a defined symbol lies in the image; undefined symbols have none.
  std::optional<Placement> target_of(const coff::Symbol& symbol, const std::string& at) const {
    if (symbol.section_number == coff::k_undefined_section) {
      if (symbol.value != 0) {
        throw LinkError(text::format("{}: common symbol '{}' is not supported; define it in a data "
                                    "section", at, symbol.name));
      }
      return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(symbol.section_number) - 1;
    if (symbol.section_number < 0 || index >= m_places.size() ||
        m_places[index].area == Area::dropped) {
      throw LinkError(text::format("{}: symbol '{}' is not in a code or data section", at, symbol.name));
    }
    return Placement{m_places[index].area, m_places[index].offset + symbol.value};
  }

  void link_relocation(const coff::Section& section, const Placement& place,
                       const coff::Relocation& relocation) {
    if (relocation.type == coff::k_rel_absolute) return;
    const std::string at = section.name + "+" + text::hex(relocation.offset);
    const coff::Symbol& symbol = symbol_of(relocation, at);
    if (static_cast<std::size_t>(relocation.offset) + 4 > section.bytes.size()) {
      throw LinkError(text::format("{}: relocation against '{}' runs past the end of the section", at,
                                  symbol.name));
    }
    const Site site{section, place, relocation.offset, at, symbol};
    if (relocation.type == coff::k_rel_rel32) return link_relative(site, target_of(symbol, at));
    if (relocation.type == coff::k_rel_dir32) return link_absolute(site, target_of(symbol, at));
    throw LinkError(text::format("{}: relocation type {} against '{}' cannot be expressed in "
                                "the image", at, text::hex(relocation.type), symbol.name));
  }

  struct Site {
    const coff::Section& section;
    const Placement& place;
    std::uint32_t offset;  // within the section
    const std::string& at;
    const coff::Symbol& symbol;

    std::uint32_t image_offset() const { return place.offset + offset; }
    std::uint32_t addend() const { return image::read_u32(section.bytes, offset); }
  };

  void link_relative(const Site& site, const std::optional<Placement>& target) {
    if (!target) {
      const bool is_call = site.place.area == Area::code && site.offset > 0 &&
                           site.section.bytes[site.offset - 1] == zif::image_format::call_opcode && site.addend() == 0;
      if (!is_call) {
        throw LinkError(text::format("{}: reference to undefined symbol '{}' is not a plain 5-byte "
                                    "E8 call", site.at, site.symbol.name));
      }
      return m_writer.add_call(site.symbol.name, site.image_offset());
    }
    if (site.place.area != Area::code || target->area != Area::code) {
      throw LinkError(text::format("{}: relative reference from {} to {} symbol '{}' cannot be "
                                  "expressed in the image", site.at, area_name(site.place.area),
                                  area_name(target->area), site.symbol.name));
    }
    m_writer.patch_code(site.image_offset(), target->offset + site.addend() - (site.image_offset() + 4));
  }

  void link_absolute(const Site& site, const std::optional<Placement>& target) {
    if (!target) {
      throw LinkError(text::format("{}: absolute reference to undefined symbol '{}'", site.at,
                                  site.symbol.name));
    }
    const std::uint32_t value = target->offset + site.addend();
    if (site.place.area == Area::data) {
      const auto base = target->area == Area::code ? image::Base::code : image::Base::data;
      return m_writer.add_data_pointer(site.image_offset(), base, value);
    }
    if (target->area == Area::code) {
      throw LinkError(text::format("{}: absolute code-to-code reference to '{}' cannot be expressed "
                                  "in the image", site.at, site.symbol.name));
    }
    m_writer.add_code_pointer(site.image_offset(), value);
  }

  std::uint32_t header_target(std::string_view name, Area area, std::string_view role) const {
    for (const coff::Symbol& symbol : m_object.symbols) {
      if (symbol.auxiliary || symbol.name != name || symbol.section_number == coff::k_undefined_section) {
        continue;
      }
      const std::string at = text::format("symbol '{}'", name);
      const auto target = target_of(symbol, at);
      if (target->area != area) {
        throw LinkError(text::format("{} ({}) must be in a {} section", at, role, area_name(area)));
      }
      return target->offset;
    }
    throw LinkError(text::format("symbol '{}' ({}) is not defined", name, role));
  }

  const coff::Object& m_object;
  image::ImageWriter m_writer;
  std::vector<Placement> m_places;
};

}  // namespace

image::Segments link_object(const coff::Object& object) { return Linker(object).run(); }

}  // namespace zlink
