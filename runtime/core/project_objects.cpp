// Building the project object table from its descriptors, and the routines
// that hand its objects out.
#include "runtime/core/project_objects.h"

#include "runtime/core/class_table.h"
#include "runtime/core/image_literals.h"
#include "runtime/core/objects.h"
#include "runtime/core/runtime_classes.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/strings.h"
#include "runtime/interface/exports.h"
#include "runtime/interface/image_format.h"

#include <utility>
#include <vector>

namespace zrt {
namespace {

namespace project_kind = zif::image_format::project_kind;

std::vector<ZObject*> g_objects;
// The texts of database objects, which their minimal class cannot release.
std::vector<ZString*> g_texts;

class ProjectBuilder {
 public:
  explicit ProjectBuilder(MemoryView& data) : m_data(data) {}
  ~ProjectBuilder() {
    for (ZObject* object : m_objects) unlock_object(object);
    for (ZString* text : m_texts) unlock_string(text);
  }

  bool build(Address descriptor, ProjectObjectsBuild& result) {
    const auto class_count = m_data.word_at(descriptor);
    if (!class_count || *class_count > (0xFFFFFFFFu - descriptor - 4) / 4) return fail(0, "cannot read the class count");
    const Address count_address = descriptor + 4 + 4 * *class_count;
    const auto count = m_data.word_at(count_address);
    if (!count) return fail(0, "cannot read the object count at " + hex_address(count_address));
    for (std::uint32_t index = 0; index < *count; ++index) {
      const auto address = m_data.word_at(count_address + 4 + 4 * index);
      if (!address) return fail(index + 1, "cannot read its descriptor address");
      m_objects.push_back(nullptr);
      if (*address != 0 && !build_one(index + 1, *address, result)) return false;
    }
    return true;
  }

  std::vector<ZObject*> take_objects() { return std::exchange(m_objects, {}); }
  std::vector<ZString*> take_texts() { return std::exchange(m_texts, {}); }

  std::string error;

 private:
  bool fail(std::uint32_t number, std::string_view why) {
    error = "project object " + std::to_string(number) + ": " + std::string(why);
    return false;
  }

  // Word i of the descriptor (0 is the kind).
  std::optional<std::uint32_t> word(Address descriptor, std::uint32_t i) const { return m_data.word_at(descriptor + 4 * i); }

  bool build_one(std::uint32_t number, Address descriptor, ProjectObjectsBuild& result) {
    const auto kind = word(descriptor, 0);
    const auto first = word(descriptor, 1);
    if (!kind || !first) return fail(number, "cannot read its descriptor at " + hex_address(descriptor));
    switch (*kind) {
      case project_kind::picture: return hold_words("Picture", *first, descriptor + 8, project_fields::picture_data_address);
      case project_kind::movie: return hold_words("Movie", *first, 0, 0);
      case project_kind::sound: return hold_words("Sound", *first, descriptor + 8, project_fields::data_address);
      case project_kind::mouse_cursor: return hold_words("MouseCursor", *first, 0, 0);
      case project_kind::menu_bar: return note_menu_bar(number, descriptor, *first, result);
      case project_kind::settings: return read_settings(number, descriptor, result);
      case project_kind::instance_in_global: return create_into_global(number, descriptor, *first);
      case project_kind::database: return hold_database(number, descriptor, *first);
      default: return true;  // kinds of later versions make nothing here
    }
  }

  bool hold_words(std::string_view class_name, std::uint32_t value, Address data, std::int32_t data_field) {
    ZObject* object = new_instance(runtime_class(class_name));
    *field_at(object, project_fields::value) = value;
    if (data != 0) *field_at(object, data_field) = data;
    m_objects.back() = object;
    return true;
  }

  bool note_menu_bar(std::uint32_t number, Address descriptor, std::uint32_t length, ProjectObjectsBuild& result) {
    if (!m_data.range_readable(descriptor + 8, length)) return fail(number, "the menu bar stream runs past the image data");
    result.menu_bar = MenuBarStream{descriptor + 8, length};
    return true;
  }

  bool read_settings(std::uint32_t number, Address descriptor, ProjectObjectsBuild& result) {
    const auto length = word(descriptor, 2);
    if (!length) return fail(number, "cannot read the settings length");
    const auto stream = m_data.copy_bytes(descriptor + 12, *length);
    if (!stream) return fail(number, "the settings stream runs past the image data");
    SettingsError settings_error;
    auto settings = parse_settings(*stream, settings_error);
    if (!settings) return fail(number, settings_error.message);
    set_runtime_messages(settings->messages);
    result.settings = std::move(settings);
    return true;
  }

  bool create_into_global(std::uint32_t number, Address descriptor, std::uint32_t class_index) {
    const auto global = word(descriptor, 2);
    if (!global) return fail(number, "cannot read the address of its global");
    ClassRecord* record = class_at_index(static_cast<std::int32_t>(class_index));
    if (record == nullptr) return fail(number, "class index " + std::to_string(class_index) + " names no class");
    ZObject* instance = new_instance(*record);
    if (!m_data.store_word(*global, word_of_pointer(instance))) {
      unlock_object(instance);
      return fail(number, "cannot write its global at " + hex_address(*global));
    }
    return true;
  }

  bool hold_database(std::uint32_t number, Address descriptor, std::uint32_t length) {
    const auto text = word(descriptor, 2);
    const auto first = word(descriptor, 3);
    const auto second = word(descriptor, 4);
    if (!text || !first || !second) return fail(number, "cannot read its descriptor at " + hex_address(descriptor));
    const auto bytes = length > 0x7FFFFFFF ? std::nullopt : m_data.copy_bytes(*text, length);
    if (!bytes) return fail(number, "its text runs past the image data");
    ZObject* object = new_instance(runtime_class("Database"));
    m_texts.push_back(make_string(bytes->data(), static_cast<std::int32_t>(bytes->size())));
    *field_at(object, project_fields::database_text) = word_of_pointer(m_texts.back());
    *field_at(object, project_fields::database_first) = *first;
    *field_at(object, project_fields::database_second) = *second;
    m_objects.back() = object;
    return true;
  }

  MemoryView& m_data;
  std::vector<ZObject*> m_objects;
  std::vector<ZString*> m_texts;
};

}  // namespace

ProjectObjectsBuild build_project_objects(MemoryView& data, Address application_descriptor) {
  ProjectBuilder builder(data);
  ProjectObjectsBuild result;
  result.built = builder.build(application_descriptor, result);
  result.error = std::move(builder.error);
  if (result.built) {
    destroy_project_objects();
    g_objects = builder.take_objects();
    g_texts = builder.take_texts();
  }
  return result;
}

void destroy_project_objects() {
  for (ZObject* object : g_objects) unlock_object(object);
  g_objects.clear();
  for (ZString* text : g_texts) unlock_string(text);
  g_texts.clear();
}

ZObject* project_object(std::int32_t number) {
  if (number < 1 || static_cast<std::size_t>(number) > g_objects.size()) return nullptr;
  return share_object(g_objects[static_cast<std::size_t>(number) - 1]);
}

}  // namespace zrt

extern "C" {

ZObject* RuntimeProjectObject(std::int32_t number) {
  return zrt::project_object(number);
}

// Pictures of the project are project objects; the image may name either.
ZObject* RuntimePictureReference(std::int32_t number) {
  return zrt::project_object(number);
}

}
