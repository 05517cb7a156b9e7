# The Windows program as installed and as a portable zip: tagrio.exe (a
# window program with its icon) and tagrio-cli.exe in bin\ with every DLL they
# load, Qt's plugins and Japanese texts, and an installer (CPack NSIS) that
# adds the Start-menu entry タグリオ, the .kav file type and an uninstaller.
enable_language(RC)
set_target_properties(tagrio PROPERTIES WIN32_EXECUTABLE ON)
target_sources(tagrio PRIVATE ${PROJECT_SOURCE_DIR}/data/tagrio.rc)

# Qt and the libraries built by deps/windows/toolchain.sh.
get_filename_component(windows_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
file(GLOB windows_dlls "${windows_prefix}/bin/*.dll" "${windows_prefix}/lib/*.dll")
list(FILTER windows_dlls EXCLUDE REGEX "/(Qt6Test|gtest|gtest_main|gmock)[^/]*\\.dll$")
# The compiler's own runtime.
foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
  endif()
  list(APPEND windows_dlls "${runtime_path}")
endforeach()
install(FILES ${windows_dlls} DESTINATION bin)

# The windows platform, the native widget style and the image formats.
foreach(plugins IN ITEMS platforms styles imageformats)
  if(EXISTS "${windows_prefix}/plugins/${plugins}")
    install(DIRECTORY "${windows_prefix}/plugins/${plugins}" DESTINATION plugins
            FILES_MATCHING PATTERN "*.dll" PATTERN "*d.dll" EXCLUDE)
  endif()
endforeach()

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
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer: Wine's wine64 alone cannot start the 32-bit default.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "!include ${PROJECT_SOURCE_DIR}/cmake/nsis/FileTypeInstall.nsh")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "!include ${PROJECT_SOURCE_DIR}/cmake/nsis/FileTypeUninstall.nsh")
# The zip is the portable program: settings beside it while its folder is writable.
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
