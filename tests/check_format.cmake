# Fails when a C++ file of the project is not formatted as .clang-format says.
file(GLOB_RECURSE files
  "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h"
  "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h"
  "${SOURCE_DIR}/bench/*.cpp" "${SOURCE_DIR}/bench/*.h"
  "${SOURCE_DIR}/tools/*.cpp" "${SOURCE_DIR}/fuzz/*.cpp" "${SOURCE_DIR}/fuzz/*.h"
  "${SOURCE_DIR}/include/*.h" "${SOURCE_DIR}/plugins/*.cpp" "${SOURCE_DIR}/plugins/*.h")
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run -Werror ${files}
  RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Not formatted (run clang-format -i on these):\n${output}")
endif()
