# The fuzz entry functions as one library, shared by the libFuzzer executables
# (fuzz/CMakeLists.txt) and the replay test of the ordinary build.
if(NOT TARGET vd_fuzz_entries)
  add_library(vd_fuzz_entries STATIC
    ${CMAKE_CURRENT_LIST_DIR}/fuzz_support.cpp
    ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/catalogue_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clip_fields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rtf.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wmf.cpp
  )
  target_include_directories(vd_fuzz_entries PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  if(TARGET vd_serve_body)
    target_sources(vd_fuzz_entries PRIVATE ${CMAKE_CURRENT_LIST_DIR}/request_body.cpp)
    target_link_libraries(vd_fuzz_entries PUBLIC vd_serve_body)
    target_compile_definitions(vd_fuzz_entries PUBLIC VD_FUZZ_REQUEST_BODY=1)
  endif()
  target_link_libraries(vd_fuzz_entries PUBLIC vd_clip vd_diagram vd_platform vd_selection vd_catalogue Qt6::Gui)
endif()
