# Run by `cmake --install`: writes the desktop entry with an Exec line naming the program where this
# install puts it. DESTDIR only stages the files, so the entry names the program without it.
#
# Expects orvane_desktop_entry_template, orvane_desktop_entry_name, orvane_program_folder and
# orvane_applications_folder.

get_filename_component(orvane_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(orvane_exec "${orvane_prefix}/${orvane_program_folder}/orvane")

# A desktop entry's Exec argument: a literal % is doubled; an argument holding a reserved
# character is double-quoted, with " ` $ and \ escaped inside the quotes. Then, as in any string
# value of the file, \ and the control characters are escaped once more.
string(REPLACE "%" "%%" orvane_exec "${orvane_exec}")
if(orvane_exec MATCHES "[ \t\n\"'\\\\<>~|&;$*?#`()]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" orvane_exec "${orvane_exec}")
  set(orvane_exec "\"${orvane_exec}\"")
endif()
string(REPLACE "\\" "\\\\" orvane_exec "${orvane_exec}")
string(REPLACE "\n" "\\n" orvane_exec "${orvane_exec}")
string(REPLACE "\t" "\\t" orvane_exec "${orvane_exec}")
string(REPLACE "\r" "\\r" orvane_exec "${orvane_exec}")

set(orvane_entry
  "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${orvane_applications_folder}/${orvane_desktop_entry_name}")
message(STATUS "Installing: ${orvane_entry}")
file(READ "${orvane_desktop_entry_template}" orvane_entry_text)
string(REPLACE "@ORVANE_EXEC@" "${orvane_exec}" orvane_entry_text "${orvane_entry_text}")
file(WRITE "${orvane_entry}" "${orvane_entry_text}")
file(CHMOD "${orvane_entry}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The install record lists the files as they will finally lie, as CMake lists its own.
list(APPEND CMAKE_INSTALL_MANIFEST_FILES
  "${CMAKE_INSTALL_PREFIX}/${orvane_applications_folder}/${orvane_desktop_entry_name}")
