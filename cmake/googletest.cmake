# GoogleTest from Debian's source package, built in each tree with that tree's
# compiler.
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(CMAKE_CROSSCOMPILING)
  foreach(target gtest gtest_main gmock gmock_main)
    target_link_options(${target} INTERFACE -static -static-libgcc -static-libstdc++)
  endforeach()
endif()

# add_project_test(NAME SOURCES... [LIBS ...]): one test executable, run by ctest
# as one test (under the Wine wrapper in the cross tree).
function(add_project_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE project_options ${T_LIBS} gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_property(GLOBAL APPEND PROPERTY Z_TEST_TARGETS ${name})
  # The Wine wrapper exits with 77 where the machine cannot run 32-bit programs.
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
