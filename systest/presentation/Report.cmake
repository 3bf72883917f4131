# The report text (portable) and the report file (Win32); included from the program's build.
add_library(velkora_report STATIC "${CMAKE_CURRENT_LIST_DIR}/report_text.cpp")
target_include_directories(velkora_report PUBLIC "${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(velkora_report PUBLIC velkora_texts)

velkora_add_test(NAME report_tests
  SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/report_text_test.cpp"
  LIBS velkora_report velkora_test_support)

if(WIN32)
  add_library(velkora_report_win32 STATIC "${CMAKE_CURRENT_LIST_DIR}/report_file_win32.cpp")
  target_link_libraries(velkora_report_win32 PUBLIC velkora_report velkora_textfile shell32)
endif()
