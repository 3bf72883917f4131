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
    tests/hardware_checks_test.cpp
  LIBS velkora_checks velkora_test_support)
