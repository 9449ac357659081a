// Runtime routines that generated code calls on its own account, beyond the
// routines a program names: the lifecycle, frame and loop conventions, the
// window and control access the language's names stand for, references and
// conversions. They are imported by these plain names.
#pragma once

#include <string_view>

namespace zc::routines {

inline constexpr std::string_view stack_check = "RuntimeStackCheck";
inline constexpr std::string_view background_task = "RuntimeBackgroundTask";
inline constexpr std::string_view install_plugins = "Win32InstallPlugins";
inline constexpr std::string_view init = "RuntimeInit";
inline constexpr std::string_view run = "RuntimeRun";
inline constexpr std::string_view create_window = "RuntimeCreateWindow";
inline constexpr std::string_view control_fetch = "RuntimeControlFetch";

inline constexpr std::string_view lock_string = "RuntimeLockString";
inline constexpr std::string_view unlock_string = "RuntimeUnlockString";
inline constexpr std::string_view lock_object = "RuntimeLockObject";
inline constexpr std::string_view unlock_object = "RuntimeUnlockObject";
inline constexpr std::string_view add_string = "RuntimeAddString";
inline constexpr std::string_view compare_strings = "RuntimeStringCompare";
inline constexpr std::string_view new_object = "RuntimeNewObject";
inline constexpr std::string_view object_isa = "RuntimeObjectIsa";
inline constexpr std::string_view check_cast = "RuntimeCheckCast";
inline constexpr std::string_view interface_routine = "FindInterfaceVTableCode";
inline constexpr std::string_view virtual_routine = "FindVTableCode";
inline constexpr std::string_view nil_object = "RuntimeNilObject";
inline constexpr std::string_view raise = "RuntimeRaiseException";
inline constexpr std::string_view object_setter = "objSetter";
inline constexpr std::string_view string_setter = "stringSetter";
inline constexpr std::string_view double_to_integer = "FPToInt";
inline constexpr std::string_view integer_to_double = "IntToFP";
inline constexpr std::string_view power = "RuntimePow";

inline constexpr std::string_view create_array = "RuntimeCreateArray";
inline constexpr std::string_view add_array_dimension = "RuntimeArrayCreateAddIndex";
inline constexpr std::string_view dispose_number_array = "RuntimeDisposeIntArray";  // Integer, Single and Double
inline constexpr std::string_view dispose_string_array = "RuntimeDisposeStringArray";
inline constexpr std::string_view dispose_object_array = "RuntimeDisposeObjectArray";

}  // namespace zc::routines
