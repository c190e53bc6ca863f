# The game selection dialogs, the "Game won" dialog and the demo bar, driven on the offscreen platform.
set(QUILLORO_SELECTION_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/game_catalogue_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favourite_games_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/select_number_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_won_dialog_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/demo_bar_test.cpp)
add_executable(test_game_selection ${CMAKE_CURRENT_LIST_DIR}/game_selection_test_main.cpp
                                   ${QUILLORO_SELECTION_TEST_SOURCES})
target_link_libraries(test_game_selection PRIVATE quilloro_selection_dialogs Qt6::Test GTest::gtest)
target_compile_definitions(test_game_selection PRIVATE QT_NO_KEYWORDS)
set_target_properties(test_game_selection PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
# GAMES.DAT, the texts, the pie pictures and the previews of the installation folder.
add_dependencies(test_game_selection games_dat string_table artwork previews)
# Listed from the sources, so that nothing needs a display while the build runs.
gtest_add_tests(TARGET test_game_selection SOURCES ${QUILLORO_SELECTION_TEST_SOURCES}
                WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
                TEST_LIST quilloro_selection_test_list)
set_tests_properties(${quilloro_selection_test_list} PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLORO_HOME=${QUILLORO_HOME}")
