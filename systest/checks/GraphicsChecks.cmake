# The graphics adapter inventory, the graphics card list, the diagnostics launch and the
# graphics verdicts. Portable rules in velkora_checks; the Win32 side in velkora_graphics_win32.
target_sources(velkora_checks PRIVATE
  graphics_driver_version.cpp
  graphics_inventory.cpp
  graphics_verbose.cpp
  card_list.cpp
  card_list_file.cpp
  diagnostics_launch.cpp
  diagnostics_code.cpp
  program_search.cpp
  graphics_verdicts.cpp
  desktop_session.cpp
)
target_link_libraries(velkora_checks PUBLIC velkora_textfile)

# The list we ship beside the program; the tests read a copy of it.
set(graphics_card_list "${CMAKE_CURRENT_SOURCE_DIR}/GraphicsCardGBList.txt")
configure_file("${graphics_card_list}" "${CMAKE_CURRENT_BINARY_DIR}/GraphicsCardGBList.sample.txt" COPYONLY)

velkora_add_test(NAME graphics_checks_tests
  SOURCES
    tests/graphics_driver_version_test.cpp
    tests/graphics_inventory_test.cpp
    tests/card_list_test.cpp
    tests/card_list_file_test.cpp
    tests/graphics_verdicts_test.cpp
    tests/diagnostics_code_test.cpp
    tests/program_search_test.cpp
    tests/time_limited_call_test.cpp
    tests/desktop_session_test.cpp
  LIBS velkora_checks velkora_test_support)

if(WIN32)
  velkora_deliver_files("${graphics_card_list}")

  add_library(velkora_graphics_win32 OBJECT
    graphics_verbose_win32.cpp
    graphics_message_boxes_win32.cpp
    diagnostics_launch_win32.cpp
    graphics_inventory_win32.cpp
    card_list_file_win32.cpp
    graphics_platform_win32.cpp
    desktop_session_win32.cpp
  )
  target_link_libraries(velkora_graphics_win32 PUBLIC velkora_checks ole32 oleaut32 uuid)

  if(BUILD_TESTING)
    # A stand-in for the diagnostics program: ends with the code it is told.
    add_executable(diagnostics_standin tests/wine/diagnostics_standin.cpp)
    target_link_options(diagnostics_standin PRIVATE -municode)

    # Runs the graphics checks on this machine and prints what they found; the scripts below
    # drive it. It carries the dialog program's manifest, so it sees the same Windows version.
    add_executable(graphics_probe tests/wine/graphics_probe.cpp tests/wine/graphics_probe.rc)
    target_link_libraries(graphics_probe PRIVATE velkora_graphics_win32)
    target_link_options(graphics_probe PRIVATE -municode)
    set_source_files_properties(tests/wine/graphics_probe.rc PROPERTIES
      OBJECT_DEPENDS "${CMAKE_CURRENT_LIST_DIR}/../app/res/VelkoraSysTest.manifest")
    target_include_directories(graphics_probe PRIVATE "${CMAKE_CURRENT_LIST_DIR}/../app/res")

    velkora_add_test(NAME graphics_wine_tests
      SOURCES tests/wine/graphics_launch_wine_test.cpp tests/wine/graphics_inventory_wine_test.cpp
      LIBS velkora_graphics_win32 velkora_test_support velkora_test_driver
      RESOURCE_LOCK wine-global) # the registry tests below change what the inventory reads
    add_dependencies(graphics_wine_tests diagnostics_standin)

    set(graphics_script_args
      "${CMAKE_CURRENT_LIST_DIR}/../../testbed/wine-exec" $<TARGET_FILE:graphics_probe> $<TARGET_FILE:diagnostics_standin>)
    add_test(NAME graphics_inventory_wine_registry
      COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/graphics_inventory_registry.sh" ${graphics_script_args})
    add_test(NAME graphics_list_swap_wine
      COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/graphics_list_swap.sh" ${graphics_script_args})
    set_tests_properties(graphics_inventory_wine_registry graphics_list_swap_wine PROPERTIES
      LABELS wine RESOURCE_LOCK wine-global TIMEOUT 600)
  endif()
endif()
