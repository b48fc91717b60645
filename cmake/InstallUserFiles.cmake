# Installs the files of the root that belong to the user once they exist:
# the working settings (*.tmp), which the viewers write back at every quit,
# and the result files in data/, which the analysis jobs replace. A fresh
# root gets the samples; an existing one keeps what the user has. Names are
# matched without regard to letter case, as the programs match them.
#
# Expects KAVEL_SAMPLE_ROOT and KAVEL_USER_FILES (paths relative to it).

# Sets ${out} to the existing path under ${root} that matches ${relative}
# component by component without regard to case, or to "" when none does.
function(kavel_find_nocase root relative out)
  set(path "${root}")
  string(REPLACE "/" ";" components "${relative}")
  foreach(component IN LISTS components)
    string(TOLOWER "${component}" wanted)
    set(found "")
    file(GLOB entries LIST_DIRECTORIES true RELATIVE "${path}" "${path}/*")
    foreach(entry IN LISTS entries)
      string(TOLOWER "${entry}" lower)
      if(lower STREQUAL wanted)
        set(found "${entry}")
        break()
      endif()
    endforeach()
    if(found STREQUAL "")
      set(${out} "" PARENT_SCOPE)
      return()
    endif()
    set(path "${path}/${found}")
  endforeach()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(relative IN LISTS KAVEL_USER_FILES)
  kavel_find_nocase("${root}" "${relative}" existing)
  if(existing)
    message(STATUS "Keeping: ${existing}")
  else()
    get_filename_component(directory "${relative}" DIRECTORY)
    # file(INSTALL) adds DESTDIR itself.
    file(INSTALL "${KAVEL_SAMPLE_ROOT}/${relative}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${directory}")
  endif()
endforeach()
