# Script mode: writes direvovu-cli(1) from its template and the program's own help, so
# the page lists every command and option the program has.
#   cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... -DPROJECT_VERSION=... -P cli_man_page.cmake

function(roff_escaped text out_var)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  # A line opening with a dot or an apostrophe would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE overview RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
string(REGEX MATCH "Commands:\n(.*)\n\n" listing "${overview}")
string(REGEX MATCHALL "\n  ([a-z][a-z-]*)" names "\n${CMAKE_MATCH_1}")

set(sections "")
foreach(entry ${names})
  string(STRIP "${entry}" name)
  execute_process(COMMAND ${PROGRAM} ${name} --help OUTPUT_VARIABLE usage RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${name} --help failed: ${status}")
  endif()
  string(STRIP "${usage}" usage)
  roff_escaped("${usage}" usage)
  string(APPEND sections ".SS ${name}\n.nf\n${usage}\n.fi\n")
endforeach()
if(sections STREQUAL "")
  message(FATAL_ERROR "no command found in the help of ${PROGRAM}")
endif()

string(TIMESTAMP MAN_DATE "%Y-%m-%d" UTC)
set(MAN_COMMANDS "${sections}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
