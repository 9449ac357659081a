# Compiler options shared by every target of our own; third-party code
# (GoogleTest) is built without them. build_options are the options alone;
# project_options add the project's root as the include root, so that every
# header is reached as `folder/.../x.h`. The runtime's layers take
# build_options and include roots of their own instead (runtime/CMakeLists.txt).
add_library(build_options INTERFACE)
target_compile_features(build_options INTERFACE cxx_std_20)
target_compile_options(build_options INTERFACE -Wall -Wextra -Werror)
if(CMAKE_CROSSCOMPILING)
  # Raising an exception walks EBP frames from the raising routine upward, so
  # every runtime frame must keep its frame pointer.
  target_compile_options(build_options INTERFACE -fno-omit-frame-pointer)
  # Compiled code releases a temporary it passed to a runtime routine from
  # that argument's stack slot after the call, so a routine must leave its
  # arguments as they were pushed. A sibling call overwrites them with the
  # arguments of the routine it jumps to (graphicsPixelGetter stored the
  # system colour over its Graphics argument), so sibling calls are off.
  target_compile_options(build_options INTERFACE -fno-optimize-sibling-calls)
  target_link_options(build_options INTERFACE -static -static-libgcc -static-libstdc++)
  target_compile_definitions(build_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
add_library(project_options INTERFACE)
target_link_libraries(project_options INTERFACE build_options)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})
