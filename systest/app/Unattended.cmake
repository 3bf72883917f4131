# Unattended checks: the command line's options, the silent run, the report and result document
# written for scripts. Included at the end of the program's build.

# nlohmann-json from Debian (nlohmann-json3-dev): header-only, so it goes into the static program
# as it is. The cross build must not search the host's /usr/include as a whole; it gets the one
# folder through a link in the build tree.
if(WIN32)
  find_path(VELKORA_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(json_include "${CMAKE_BINARY_DIR}/third_party/include")
  file(MAKE_DIRECTORY "${json_include}")
  file(CREATE_LINK "${VELKORA_NLOHMANN_JSON_INCLUDE}/nlohmann" "${json_include}/nlohmann" SYMBOLIC)
  add_library(velkora_json INTERFACE)
  target_include_directories(velkora_json SYSTEM INTERFACE "${json_include}")
else()
  find_package(nlohmann_json 3 REQUIRED)
  add_library(velkora_json INTERFACE)
  target_link_libraries(velkora_json INTERFACE nlohmann_json::nlohmann_json)
endif()

target_sources(velkora_app PRIVATE
  "${CMAKE_CURRENT_LIST_DIR}/result_json.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/run_exit_code.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/message_line.cpp"
  "${CMAKE_CURRENT_LIST_DIR}/output_target.cpp"
)
target_link_libraries(velkora_app PUBLIC velkora_textfile PRIVATE velkora_json)

velkora_add_test(NAME unattended_tests
  SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/result_json_test.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/tests/unattended_rules_test.cpp"
  LIBS velkora_app velkora_json)

# The result document's contract: a JSON Schema (draft 2020-12) shipped beside the programs.
# Every document the tests produce is kept in json-documents and checked against it by
# result_schema_tests, with Debian's python3-jsonschema (hence the system's python3); the fixture
# clears the folder first.
set(VELKORA_RESULT_SCHEMA "${CMAKE_CURRENT_LIST_DIR}/VelkoraSysTest-result.schema.json")
set(VELKORA_JSON_DOCUMENT_DIR "${CMAKE_BINARY_DIR}/json-documents")
if(BUILD_TESTING)
  set(schema_check "${CMAKE_SOURCE_DIR}/scripts/check-json-schema.py")
  add_test(NAME result_json_documents_cleared COMMAND "${CMAKE_COMMAND}" -E rm -rf "${VELKORA_JSON_DOCUMENT_DIR}")
  set_tests_properties(result_json_documents_cleared PROPERTIES FIXTURES_SETUP json_documents_cleared)
  add_test(NAME result_schema_tests COMMAND /usr/bin/python3 "${schema_check}" "${VELKORA_RESULT_SCHEMA}"
    "${VELKORA_JSON_DOCUMENT_DIR}")
  set_tests_properties(result_schema_tests PROPERTIES FIXTURES_REQUIRED "json_documents_cleared;json_documents"
    TIMEOUT 120)
  # The check itself fails on a document that breaks the contract.
  add_test(NAME result_schema_rejects_tests COMMAND /usr/bin/python3 "${schema_check}" "${VELKORA_RESULT_SCHEMA}"
    "${CMAKE_CURRENT_LIST_DIR}/tests/json/invalid")
  set_tests_properties(result_schema_rejects_tests PROPERTIES WILL_FAIL TRUE TIMEOUT 120)
  target_compile_definitions(unattended_tests PRIVATE VELKORA_JSON_DOCUMENT_DIR="${VELKORA_JSON_DOCUMENT_DIR}")
  set_tests_properties(unattended_tests PROPERTIES FIXTURES_REQUIRED json_documents_cleared
    FIXTURES_SETUP json_documents)
  if(WIN32)
    set_tests_properties(result_json_documents_cleared result_schema_tests result_schema_rejects_tests
      PROPERTIES LABELS wine)
  else()
    set_tests_properties(result_json_documents_cleared result_schema_tests result_schema_rejects_tests
      PROPERTIES LABELS host)
  endif()
endif()

if(WIN32)
  velkora_deliver_files("${VELKORA_RESULT_SCHEMA}")
  target_sources(VelkoraSysTest PRIVATE
    "${CMAKE_CURRENT_LIST_DIR}/standard_streams_win32.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/stderr_message_boxes_win32.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/output_files_win32.cpp"
    "${CMAKE_CURRENT_LIST_DIR}/unattended_run_win32.cpp"
  )

  if(BUILD_TESTING)
    # A stand-in for the diagnostics program that never ends and starts a second process that
    # never ends either: the time limit must stop both.
    add_executable(never_ending_program "${CMAKE_CURRENT_LIST_DIR}/tests/wine/never_ending_program_win32.cpp")
    target_link_options(never_ending_program PRIVATE -municode)
    target_link_libraries(never_ending_program PRIVATE velkora_common)

    # These runs compare graphics verdicts, so they hold wine-global: the registry tests give
    # Wine's display device other IDs and driver versions while they run.
    velkora_add_test(NAME app_wine_unattended_tests
      SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/wine/unattended_wine_test.cpp"
      LIBS velkora_test_driver velkora_json
      RESOURCE_LOCK "report-file;wine-global")
    add_dependencies(app_wine_unattended_tests VelkoraSysTest Zentoli never_ending_program diagnostics_standin
      lang_En lang_De)
    # The same texts as the main window in the user's language: the silent runs again in German.
    add_test(NAME app_wine_unattended_tests_de COMMAND app_wine_unattended_tests
      --gtest_filter=*SilentRun*:*StoppedAtTheLimit*:*ReportOnStandardOutput*)
    set_tests_properties(app_wine_unattended_tests_de PROPERTIES
      ENVIRONMENT "LC_ALL=de_DE.UTF-8" LABELS wine TIMEOUT 300 RESOURCE_LOCK "report-file;wine-global")
    # The fault table of the README: locked and over-long targets, broken data files, two runs at once.
    velkora_add_test(NAME app_wine_fault_tests
      SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/wine/fault_table_wine_test.cpp"
      LIBS velkora_test_driver velkora_json
      RESOURCE_LOCK "report-file;wine-global")
    add_dependencies(app_wine_fault_tests VelkoraSysTest Zentoli lang_En lang_De)
    target_compile_definitions(app_wine_fault_tests PRIVATE
      VELKORA_JSON_DOCUMENT_DIR=L"${VELKORA_JSON_DOCUMENT_DIR}"
      VELKORA_DELIVERABLE_DIR=L"${VELKORA_DELIVERABLE_DIR}")
    # In German: a broken German module beside a sound English one.
    add_test(NAME app_wine_fault_tests_de COMMAND app_wine_fault_tests --gtest_filter=*FallsBackToEnglish*)
    set_tests_properties(app_wine_fault_tests_de PROPERTIES
      ENVIRONMENT "LC_ALL=de_DE.UTF-8" LABELS wine TIMEOUT 300 RESOURCE_LOCK "report-file;wine-global")
    set_tests_properties(app_wine_unattended_tests app_wine_unattended_tests_de app_wine_fault_tests
      app_wine_fault_tests_de PROPERTIES
      FIXTURES_REQUIRED json_documents_cleared FIXTURES_SETUP json_documents)
    target_compile_definitions(app_wine_unattended_tests PRIVATE
      VELKORA_JSON_DOCUMENT_DIR=L"${VELKORA_JSON_DOCUMENT_DIR}"
      VELKORA_DELIVERABLE_DIR=L"${VELKORA_DELIVERABLE_DIR}"
      VELKORA_NEVER_ENDING=L"$<TARGET_FILE:never_ending_program>"
      VELKORA_STANDIN=L"$<TARGET_FILE:diagnostics_standin>")

    # Runs with and without a user's desktop (a window station of the test's own), and the
    # version information of everything shipped.
    velkora_add_test(NAME app_wine_session_tests
      SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/wine/desktop_session_wine_test.cpp"
        "${CMAKE_CURRENT_LIST_DIR}/tests/wine/version_info_wine_test.cpp"
      LIBS velkora_test_driver velkora_json version
      RESOURCE_LOCK "report-file;wine-global")
    add_dependencies(app_wine_session_tests VelkoraSysTest Zentoli lang_En lang_De)
    set_tests_properties(app_wine_session_tests PROPERTIES
      FIXTURES_REQUIRED json_documents_cleared FIXTURES_SETUP json_documents)
    target_compile_definitions(app_wine_session_tests PRIVATE
      VELKORA_JSON_DOCUMENT_DIR=L"${VELKORA_JSON_DOCUMENT_DIR}"
      VELKORA_DELIVERABLE_DIR=L"${VELKORA_DELIVERABLE_DIR}")

    # The progress window of a dialog run: Cancel while the diagnostics never end, and a declined
    # licence. Windows and focus: wine-global.
    velkora_add_test(NAME app_wine_progress_tests
      SOURCES "${CMAKE_CURRENT_LIST_DIR}/tests/wine/progress_wine_test.cpp"
        "${CMAKE_CURRENT_LIST_DIR}/tests/wine/earlier_module_wine_test.cpp"
      LIBS velkora_test_driver velkora_json velkora_app comctl32
      RESOURCE_LOCK wine-global)
    # Language modules as an earlier version shipped them: only the original texts.
    foreach(lang En De)
      set(earlier_rc "${CMAKE_CURRENT_BINARY_DIR}/earlier/VelkoraSystest_${lang}.rc")
      add_custom_command(OUTPUT "${earlier_rc}"
        COMMAND "${CMAKE_COMMAND}" -DIN="${CMAKE_CURRENT_LIST_DIR}/lang/VelkoraSystest_${lang}.rc"
          -DOUT="${earlier_rc}" -P "${CMAKE_CURRENT_LIST_DIR}/tests/wine/earlier_language_module.cmake"
        DEPENDS "${CMAKE_CURRENT_LIST_DIR}/lang/VelkoraSystest_${lang}.rc"
          "${CMAKE_CURRENT_LIST_DIR}/tests/wine/earlier_language_module.cmake")
      add_library(earlier_lang_${lang} SHARED "${earlier_rc}")
      set_target_properties(earlier_lang_${lang} PROPERTIES
        OUTPUT_NAME EarlierTexts_${lang} PREFIX "" SUFFIX ".Dll" LINKER_LANGUAGE C
        RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/earlier")
      target_link_options(earlier_lang_${lang} PRIVATE -nostdlib -nostartfiles -Wl,-e,0)
      add_dependencies(app_wine_progress_tests earlier_lang_${lang})
    endforeach()
    add_dependencies(app_wine_progress_tests VelkoraSysTest never_ending_program lang_En lang_De)
    target_compile_definitions(app_wine_progress_tests PRIVATE
      VELKORA_JSON_DOCUMENT_DIR=L"${VELKORA_JSON_DOCUMENT_DIR}"
      VELKORA_DELIVERABLE_DIR=L"${VELKORA_DELIVERABLE_DIR}"
      VELKORA_EARLIER_MODULE_DIR=L"${CMAKE_CURRENT_BINARY_DIR}/earlier"
      VELKORA_NEVER_ENDING=L"$<TARGET_FILE:never_ending_program>")
    # The earlier German module beside a full English one.
    add_test(NAME app_wine_progress_tests_de COMMAND app_wine_progress_tests --gtest_filter=EarlierLanguageModule.*)
    set_tests_properties(app_wine_progress_tests_de PROPERTIES
      ENVIRONMENT "LC_ALL=de_DE.UTF-8" LABELS wine TIMEOUT 300 RESOURCE_LOCK wine-global)

    # The same rows from any folder, with Wine's adapter matched to its display device.
    add_test(NAME app_wine_unattended_any_folder
      COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/tests/wine/unattended_any_folder.sh"
        "${CMAKE_CURRENT_LIST_DIR}/../../testbed/wine-exec" $<TARGET_FILE:graphics_probe> "${VELKORA_DELIVERABLE_DIR}")
    set_tests_properties(app_wine_unattended_any_folder PROPERTIES
      LABELS wine RESOURCE_LOCK wine-global TIMEOUT 600)
  endif()
endif()
