# The Windows program as installed and as a portable zip: tagrio.exe (a
# window program with its icon) and tagrio-cli.exe in bin\ with every DLL they
# load, Qt's plugins and Japanese texts, and an installer (CPack NSIS) that
# adds the Start-menu entry タグリオ, the .kav file type and an uninstaller.
enable_language(RC)
set_target_properties(tagrio PROPERTIES WIN32_EXECUTABLE ON)
target_sources(tagrio PRIVATE ${PROJECT_SOURCE_DIR}/data/tagrio.rc)

# Qt and the libraries built by deps/windows/toolchain.sh.
get_filename_component(windows_prefix "${Qt6_DIR}/../../.." ABSOLUTE)

# The windows platform, the native widget style and the image formats.
foreach(plugins IN ITEMS platforms styles imageformats)
  if(EXISTS "${windows_prefix}/plugins/${plugins}")
    install(DIRECTORY "${windows_prefix}/plugins/${plugins}" DESTINATION plugins
            FILES_MATCHING PATTERN "*.dll" PATTERN "*d.dll" EXCLUDE)
  endif()
endforeach()

# Every DLL that the programs and those plugins load, found by walking their
# import tables (InstallWindowsDlls.cmake) through the toolchain prefix,
# mingw's libraries and the compiler's runtime.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT IS_ABSOLUTE "${runtime_dll}")
  message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where its runtime DLLs are")
endif()
get_filename_component(runtime_folder "${runtime_dll}" DIRECTORY)
file(GLOB plugin_dlls "${windows_prefix}/plugins/platforms/*.dll" "${windows_prefix}/plugins/styles/*.dll"
     "${windows_prefix}/plugins/imageformats/*.dll")
set(TAGRIO_DLL_FOLDERS "${windows_prefix}/bin" "${windows_prefix}/lib" "/usr/${TAGRIO_MINGW}/lib" "${runtime_folder}")
install(CODE "set(tagrio_executables \"$<TARGET_FILE:tagrio>\" \"$<TARGET_FILE:tagrio-cli>\")
set(tagrio_modules \"${plugin_dlls}\")
set(tagrio_dll_folders \"${TAGRIO_DLL_FOLDERS}\")
set(tagrio_system_libraries \"/usr/${TAGRIO_MINGW}/lib\")
set(tagrio_objdump \"${CMAKE_OBJDUMP}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallWindowsDlls.cmake)

# Qt's Japanese texts come from Debian's qt6-translations-l10n: .qm files
# are the same on every system.
set(TAGRIO_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Where qtbase_ja.qm is")
install(FILES "${TAGRIO_QT_TRANSLATIONS}/qtbase_ja.qm" DESTINATION translations)

# Qt finds its plugins and texts from the folder of the program.
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/qt.conf" "[Paths]\nPrefix = ..\nPlugins = plugins\nTranslations = translations\n")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/qt.conf" DESTINATION bin)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tagrio")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_FILE_NAME "tagrio-${PROJECT_VERSION}-windows-x64")
set(CPACK_NSIS_PACKAGE_NAME "タグリオ")
set(CPACK_NSIS_DISPLAY_NAME "タグリオ ${PROJECT_VERSION}")
set(CPACK_PACKAGE_EXECUTABLES "tagrio;タグリオ")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/data/icons/tagrio.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/data/icons/tagrio.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\tagrio.exe")
# Installing over an earlier version replaces its files. (CPack's "uninstall
# first" choice is left off: where the earlier folder was deleted by hand, it
# stops on an "Uninstall failed." box that even a silent install waits on.)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL OFF)
# A 64-bit installer: Wine's wine64 alone cannot start the 32-bit default.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${PROJECT_SOURCE_DIR}/cmake/nsis/FileTypeInstall.nsh")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!include ${PROJECT_SOURCE_DIR}/cmake/nsis/FileTypeUninstall.nsh")
# The zip is the portable program: settings beside it while its folder is writable.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
