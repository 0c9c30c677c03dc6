# Run by `cmake --install`: writes the desktop entry with the absolute path of the
# installed program, and the list of files the install owns (so that uninstalling
# removes exactly those and never a word list, a recording or a picture the parent
# added). Expects LUMWORD_DESKTOP_TEMPLATE, LUMWORD_APP_DIR and LUMWORD_OWNED_FILES.

set(_prefix "${CMAKE_INSTALL_PREFIX}")
set(_program "${_prefix}/${LUMWORD_APP_DIR}/lumword")
if(_program MATCHES "[\n\r]")
  message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break: ${_program}")
endif()

# Exec is a command line: a path with a space or another reserved character is
# quoted, and inside the quotes ", `, $ and \ take a backslash. The value as a
# whole is then a string, in which a backslash is written twice and a percent
# sign (a field code otherwise) twice.
set(_exec "${_program}")
if(_exec MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\" _exec "${_exec}")
  string(REPLACE "\"" "\\\"" _exec "${_exec}")
  string(REPLACE "`" "\\`" _exec "${_exec}")
  string(REPLACE "$" "\\$" _exec "${_exec}")
  set(_exec "\"${_exec}\"")
endif()
string(REPLACE "\\" "\\\\" _exec "${_exec}")
string(REPLACE "%" "%%" _exec "${_exec}")
string(REPLACE "\\" "\\\\" _tryexec "${_program}")

set(LUMWORD_EXEC "${_exec}")
set(LUMWORD_TRYEXEC "${_tryexec}")
set(_entry "$ENV{DESTDIR}${_prefix}/applications/pellan-wordlark.desktop")
message(STATUS "Installing: ${_entry}")
configure_file("${LUMWORD_DESKTOP_TEMPLATE}" "${_entry}" @ONLY)

# The files this install owns, added to those of earlier installs.
set(_list "$ENV{DESTDIR}${_prefix}/${LUMWORD_APP_DIR}/installed-files.txt")
set(_owned ${LUMWORD_OWNED_FILES})
if(EXISTS "${_list}")
  file(STRINGS "${_list}" _before)
  list(APPEND _owned ${_before})
endif()
list(REMOVE_DUPLICATES _owned)
list(SORT _owned)
list(JOIN _owned "\n" _text)
message(STATUS "Installing: ${_list}")
file(WRITE "${_list}" "${_text}\n")
