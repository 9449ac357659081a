# The host tree's test programs run natively from the cross tree's ctest too, so
# that one ctest run covers everything and ends with one summary.
set(Z_HOST_TEST_LIST ${Z_HOST_TOOLS}/host_tests.txt)
if(EXISTS ${Z_HOST_TEST_LIST})
  file(STRINGS ${Z_HOST_TEST_LIST} host_tests)
  foreach(test_program IN LISTS host_tests)
    get_filename_component(test_name ${test_program} NAME)
    add_test(NAME host.${test_name} COMMAND ${test_program})
  endforeach()
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${Z_HOST_TEST_LIST})
