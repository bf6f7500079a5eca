# Fails when a file of a subsystem or of the foundation includes a header of app/: the program
# wiring sits above them all and hands each of them the parts of the state it uses, so nothing
# below it may depend on it.
# Run as: cmake -DSOURCE_DIR=<tree> -P check_no_app_includes.cmake
foreach(folder settings wheels wheelmaker output results gamefiles playerdata common)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]app/")
    foreach(line IN LISTS includes)
      file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
      list(APPEND offenders "${shown}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listed)
  message(FATAL_ERROR "Files below app/ include app/:\n  ${listed}")
endif()
