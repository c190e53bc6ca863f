# The dialogs that choose what is played next, the "Game won" dialog and the demo bar (Qt 6).
add_library(quilloro_selection_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_description.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_favourites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_tree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_selection_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_catalogue_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/favourite_games_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/select_number_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_won_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/demo_bar.cpp
)
target_include_directories(quilloro_selection_dialogs PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quilloro_selection_dialogs PUBLIC Qt6::Widgets quilloro_engine quilloro_stats quilloro_appcore)
# The engine names a member slots(): Qt's lower-case keywords stay off here.
target_compile_definitions(quilloro_selection_dialogs PRIVATE QT_NO_KEYWORDS)
