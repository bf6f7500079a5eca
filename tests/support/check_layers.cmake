# Fails when a source folder includes a header of a folder in its own layer or above: the layers
# read top-down, each folder handed by those above it the parts of the state it uses, so nothing
# runs back up (and app/, the program wiring, is included by no one).
# Run as: cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)

# The layers, top first; a folder may include its own headers and those of the layers below it.
# The subsystems side by side in a layer use none of each other.
set(layers
  "app"
  "results wheelmaker"        # the draws; the wheel maker, which shows a wheel's prize money
  "prizes output gamefiles"   # prize money; the list and the tickets; game files
  "wheels"
  "settings"
  "common playerdata")        # the foundation: neither includes anything of the program's
set(known_folders)
set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE " " ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_of_${folder} ${rank})
    list(APPEND known_folders ${folder})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# Every folder holding sources has a layer: a new one fails here until it is given its place.
file(GLOB entries LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${SOURCE_DIR}/${entry}" AND EXISTS "${SOURCE_DIR}/${entry}/CMakeLists.txt"
     AND NOT entry MATCHES "^(bench|build.*|desktop|tests|tools)$")
    if(NOT entry IN_LIST known_folders)
      list(APPEND offenders "${entry}/: a source folder without a layer")
    endif()
  endif()
endforeach()

foreach(folder IN LISTS known_folders)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([a-z_]+)/.*" "\\1" included "${line}")
      if(NOT DEFINED rank_of_${included} OR included STREQUAL folder)
        continue()
      endif()
      if(NOT rank_of_${included} GREATER rank_of_${folder})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        list(APPEND offenders "${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listed)
  message(FATAL_ERROR "Includes that run up or across the layers "
                      "(app → results → prizes → wheels → settings → common):\n  ${listed}")
endif()
