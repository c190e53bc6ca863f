# The game window (Qt 6) and the program that shows it.
add_library(quilloro_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/info_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_opener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_observer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_top_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_boxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_play.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_strip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/top_area_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_dialogs.cpp
)
target_include_directories(quilloro_window PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quilloro_window PUBLIC
  quilloro_appcore quilloro_engine quilloro_table quilloro_render quilloro_motion quilloro_stats
  quilloro_selection_dialogs
  Qt6::Widgets Qt6::Multimedia)
# The engine names things "slots", which Qt would take for its keyword.
target_compile_definitions(quilloro_window PUBLIC QT_NO_KEYWORDS)

add_executable(quilloro_game ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(quilloro_game PRIVATE quilloro_window)
# The program binds the card support library at load time, as the installed one does.
target_link_options(quilloro_game PRIVATE "LINKER:--no-as-needed")
set_target_properties(quilloro_game PROPERTIES OUTPUT_NAME Quilloro RUNTIME_OUTPUT_DIRECTORY ${QUILLORO_HOME})
add_dependencies(quilloro_game games_dat string_table)

# The artwork is drawn by a folder read after this one.
function(quilloro_game_needs_artwork)
  if(TARGET artwork)
    add_dependencies(quilloro_game artwork)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quilloro_game_needs_artwork)
