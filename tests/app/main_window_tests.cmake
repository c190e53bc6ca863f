# The main window, driven on the offscreen platform against the build's installation folder.
add_executable(test_main_window ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp)
target_link_libraries(test_main_window PRIVATE quilloro_window GTest::gtest)
set_target_properties(test_main_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(test_main_window games_dat string_table)
function(quilloro_main_window_tests_need_artwork)
  if(TARGET artwork)
    add_dependencies(test_main_window artwork)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quilloro_main_window_tests_need_artwork)
# Listed from the source, so that nothing needs a display while the build runs.
gtest_add_tests(TARGET test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
                TEST_LIST quilloro_main_window_test_list)
set_tests_properties(${quilloro_main_window_test_list} PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLORO_HOME=${QUILLORO_HOME}")

# Playing in the window: the catalogue, the mouse on the table, files, restart and a won game.
add_executable(test_window_play ${CMAKE_CURRENT_LIST_DIR}/window_play_test.cpp)
target_link_libraries(test_window_play PRIVATE quilloro_window quilloro_solver Qt6::Test GTest::gtest)
set_target_properties(test_window_play PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_dependencies(test_window_play games_dat string_table)
# The artwork and the recorded demos come from folders read after this one.
function(quilloro_window_play_tests_need_data)
  foreach(data artwork demos)
    if(TARGET ${data})
      add_dependencies(test_window_play ${data})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quilloro_window_play_tests_need_data)
gtest_add_tests(TARGET test_window_play SOURCES ${CMAKE_CURRENT_LIST_DIR}/window_play_test.cpp
                TEST_LIST quilloro_window_play_test_list)
set_tests_properties(${quilloro_window_play_test_list} PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLORO_HOME=${QUILLORO_HOME}")
