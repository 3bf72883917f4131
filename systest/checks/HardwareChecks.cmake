# The operating system identification and the operating system and hardware checks.
target_sources(velkora_checks PRIVATE
  os_version_text.cpp
  os_support_table.cpp
  os_display_name.cpp
  os_version_cache.cpp
  wmi_os_query.cpp
  hardware_checks.cpp
)

velkora_add_test(NAME hardware_checks_tests
  SOURCES tests/os_display_name_test.cpp tests/os_version_text_test.cpp tests/wmi_os_query_test.cpp
    tests/hardware_checks_test.cpp tests/screen_size_test.cpp
  LIBS velkora_checks velkora_test_support)

if(WIN32)
  # Linked whole into the dialog program, so that the exported GetOSDisplayString stays in it.
  add_library(velkora_hardware_win32 OBJECT
    os_display_string_win32.cpp
    wmi_os_query_win32.cpp
    hardware_facts_win32.cpp
    hardware_checks_win32.cpp
  )
  target_link_libraries(velkora_hardware_win32 PUBLIC velkora_checks ole32 oleaut32 wbemuuid)

  if(BUILD_TESTING)
    # Loads VelkoraSysTest.exe as another program would and calls GetOSDisplayString twice.
    add_executable(os_display_client tests/wine/os_display_client.cpp tests/wine/os_display_client.rc)
    target_link_libraries(os_display_client PRIVATE ole32)
    target_link_options(os_display_client PRIVATE -municode)
    target_include_directories(os_display_client PRIVATE "${PROJECT_SOURCE_DIR}/systest/app/res")
    set_source_files_properties(tests/wine/os_display_client.rc PROPERTIES
      OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/systest/app/res/VelkoraSysTest.manifest")

    # Prints what this machine reports and the verdicts of the five checks.
    add_executable(hardware_probe tests/wine/hardware_probe.cpp)
    target_link_libraries(hardware_probe PRIVATE velkora_hardware_win32 velkora_app_win32)
    target_link_options(hardware_probe PRIVATE -municode)

    # Switches the Windows version Wine reports, so it holds the test bed for itself.
    velkora_add_test(NAME hardware_wine_tests
      SOURCES tests/wine/hardware_wine_test.cpp
      LIBS velkora_hardware_win32 velkora_app_win32 velkora_test_driver
      RESOURCE_LOCK wine-global)
    add_dependencies(hardware_wine_tests os_display_client hardware_probe VelkoraSysTest lang_En)
    target_compile_definitions(hardware_wine_tests PRIVATE
      VELKORA_OS_CLIENT=L"$<TARGET_FILE:os_display_client>"
      VELKORA_PROGRAM=L"$<TARGET_FILE:VelkoraSysTest>"
      VELKORA_PROBE=L"$<TARGET_FILE:hardware_probe>"
      VELKORA_LANGUAGE_MODULE=L"$<TARGET_FILE:lang_En>")
  endif()
endif()
