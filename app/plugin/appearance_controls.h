// The eight control records of the appearance-controls library, in the
// order it registers them. The library registers copies of these records,
// and its ".zclass" section declares the same tables to the compiler.
#pragma once

#include "runtime/interface/plugin_records.h"

#include <span>

namespace appearance {

using zplug::ControlBehaviour;
using zplug::ControlDefinition;
using zplug::ControlEventEntry;
using zplug::MethodEntry;
using zplug::PropertyEntry;

// The control's behaviour: the Separator's is defined in separator.cpp,
// the other controls draw nothing.
extern const ControlBehaviour separator_behaviour;
extern const ControlBehaviour inert_behaviour;

// A property the library stores nothing for yet.
constexpr PropertyEntry property(const char* name, const char* type = "Integer") {
  return PropertyEntry{name, type, nullptr, nullptr};
}

constexpr MethodEntry method(const char* declaration) { return MethodEntry{nullptr, nullptr, declaration}; }

inline constexpr PropertyEntry bevel_button_properties[] = {
    property("Caption", "String"), property("CaptionAlign"), property("CaptionPlacement"), property("CaptionDelta"),
    property("Icon", "Picture"),   property("IconAlign"),    property("IconDX"),           property("IconDY"),
    property("Bevel"),             property("HasMenu"),      property("Value", "Boolean"), property("MenuValue"),
    property("ButtonType"),        property("TextFont"),     property("TextSize"),         property("Bold"),
    property("Italic"),            property("Underline"),
};

inline constexpr MethodEntry bevel_button_methods[] = {
    method("DeleteAllRows"),
    method("AddRow(text As String)"),
    method("AddSeparator"),
    method("RemoveRow(row As Integer)"),
    method("InsertRow(row As Integer, text As String)"),
    method("List(row As Integer) As String"),
    method("addActionNotificationReceiver(receiver As actionNotificationReceiver)"),
    method("removeActionNotificationReceiver(receiver As actionNotificationReceiver)"),
};

inline constexpr ControlEventEntry action_event[] = {{"Action"}};
inline constexpr ControlEventEntry arrow_events[] = {{"Up"}, {"Down"}};
inline constexpr ControlEventEntry mouse_events[] = {
    {"MouseDown(X As Integer, Y As Integer) As Boolean"},
    {"MouseDrag(X As Integer, Y As Integer)"},
    {"MouseUp(X As Integer, Y As Integer)"},
};

inline constexpr PropertyEntry placard_properties[] = {property("Value", "boolean")};
inline constexpr PropertyEntry popup_arrow_properties[] = {property("Facing", "Integer")};
inline constexpr PropertyEntry disclosure_triangle_properties[] = {property("Value", "Boolean"),
                                                                   property("Facing", "Integer")};
inline constexpr PropertyEntry image_well_properties[] = {property("Image", "Picture")};

constexpr std::int32_t count_of(std::size_t size) { return static_cast<std::int32_t>(size); }

// A record of version 4; the two resource numbers follow each other.
constexpr ControlDefinition control(const char* name, std::int32_t data_size, std::int32_t flags,
                                    std::int32_t first_resource, std::int32_t width, std::int32_t height,
                                    std::span<const PropertyEntry> properties, std::span<const MethodEntry> methods,
                                    std::span<const ControlEventEntry> events, const ControlBehaviour& behaviour,
                                    const char* interfaces = nullptr) {
  return ControlDefinition{4, name, data_size, flags, first_resource, first_resource + 1, width, height,
                           properties.data(), count_of(properties.size()), methods.data(),
                           count_of(methods.size()), events.data(), count_of(events.size()), &behaviour, 0,
                           interfaces};
}

inline constexpr ControlDefinition controls[] = {
    control("BevelButton", 108, 0x18, 172, 60, 22, bevel_button_properties, bevel_button_methods, action_event,
            inert_behaviour, "ActionSource"),
    control("ChasingArrows", 4, 0, 178, 16, 16, {}, {}, {}, inert_behaviour),
    control("LittleArrows", 12, 0x10, 176, 13, 23, {}, {}, arrow_events, inert_behaviour),
    control("Placard", 1, 0x18, 186, 64, 64, placard_properties, {}, mouse_events, inert_behaviour),
    control("Separator", 1, 0, 180, 64, 4, {}, {}, {}, separator_behaviour),
    control("PopupArrow", 8, 0, 184, 10, 10, popup_arrow_properties, {}, mouse_events, inert_behaviour),
    control("DisclosureTriangle", 12, 0, 174, 12, 12, disclosure_triangle_properties, {}, action_event,
            inert_behaviour),
    control("ImageWell", 20, 0x8, 182, 32, 32, image_well_properties, {}, mouse_events, inert_behaviour),
};

}  // namespace appearance
