# Compiler options shared by every target of our own; third-party code
# (GoogleTest) is built without them.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_20)
target_compile_options(project_options INTERFACE -Wall -Wextra -Werror)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})
if(CMAKE_CROSSCOMPILING)
  # Raising an exception walks EBP frames from the raising routine upward, so
  # every runtime frame must keep its frame pointer.
  target_compile_options(project_options INTERFACE -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -static -static-libgcc -static-libstdc++)
  target_compile_definitions(project_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
