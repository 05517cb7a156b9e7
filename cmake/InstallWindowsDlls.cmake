# Run at install time: installs into ${CMAKE_INSTALL_PREFIX}/bin every DLL
# that the files in tagrio_executables and tagrio_modules load, directly or
# through another DLL, as found in tagrio_dll_folders (the first folder
# holding a name wins; names match in any case, as Windows matches them).
# Windows' own DLLs are those mingw has an import library for (libNAME.a in
# tagrio_system_libraries) and the API sets (api-ms-win-*); any other DLL
# that is not found stops the install, since a program missing one does not
# start at all.
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW) # if(IN_LIST)

set(known_dlls)
foreach(folder IN LISTS tagrio_dll_folders)
  file(GLOB dlls "${folder}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" key)
    if(NOT DEFINED dll_${key})
      set(dll_${key} "${dll}")
    endif()
  endforeach()
endforeach()

set(pending ${tagrio_executables} ${tagrio_modules})
set(found)
set(missing)
while(pending)
  list(POP_FRONT pending file)
  execute_process(COMMAND "${tagrio_objdump}" -p "${file}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${tagrio_objdump} cannot read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: *" "" name "${import}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" key)
    string(REGEX REPLACE "\\.[^.]*$" "" base "${key}")
    if(DEFINED dll_${key})
      if(NOT "${dll_${key}}" IN_LIST found)
        list(APPEND found "${dll_${key}}")
        list(APPEND pending "${dll_${key}}")
      endif()
    elseif(NOT EXISTS "${tagrio_system_libraries}/lib${base}.a" AND NOT key MATCHES "^api-ms-win-")
      list(APPEND missing "${name} (loaded by ${file})")
    endif()
  endforeach()
endwhile()
if(missing)
  list(REMOVE_DUPLICATES missing)
  message(FATAL_ERROR "DLLs the programs load were not found: ${missing}")
endif()
file(INSTALL ${found} DESTINATION "${CMAKE_INSTALL_PREFIX}/bin")
cmake_policy(POP)
