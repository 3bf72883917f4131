# Writes a language module's source as a module made for an earlier version would be: the string
# table with only the numbers every module ever shipped holds (up to 993).
#   cmake -DIN=<module .rc> -DOUT=<.rc to write> -P earlier_language_module.cmake
file(STRINGS "${IN}" lines ENCODING UTF-8)
set(kept "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[ \t]+([0-9]+)[ \t]+\"")
    if(CMAKE_MATCH_1 GREATER 993)
      continue()
    endif()
  endif()
  string(APPEND kept "${line}\n")
endforeach()
file(WRITE "${OUT}" "${kept}")
