# The program's own resources: the dialog templates as data (a library with no
# Qt in it) and the artwork that the program embeds. Included from app/.
add_library(vantor_templates STATIC
  ${CMAKE_CURRENT_LIST_DIR}/templates/DialogTemplates.cpp)
target_include_directories(vantor_templates PUBLIC ${CMAKE_CURRENT_LIST_DIR})
set_target_properties(vantor_templates PROPERTIES AUTOMOC OFF)

# Icon 128 and picture 130, drawn by artwork/make-artwork.py.
set(VANTOR_ARTWORK_DIR ${CMAKE_CURRENT_LIST_DIR}/artwork)
set(VANTOR_ARTWORK_FILES icon.png picture.png)
