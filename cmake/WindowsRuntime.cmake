# The Windows program and what it needs to run, in one folder (`cmake --install --strip`, what
# `make windows` stages): numora.exe and numora-calc.exe, Qt's libraries and plugins, the
# compiler's runtime libraries, and Qt's own Japanese texts. The help pages, the English texts
# and the icons are among numora.exe's resources.

# Qt looks for its plugins and translations in the program's folder: qt.conf, built into the
# program, names that folder Qt's prefix. Without it Qt would look in the folder above, where
# another program's Qt may keep its own.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt-conf/qt.conf "[Paths]\nPrefix = .\nPlugins = .\n")
qt_add_resources(numora_shell numora_qt_conf PREFIX "/qt/etc" BASE ${CMAKE_CURRENT_BINARY_DIR}/qt-conf
  FILES ${CMAKE_CURRENT_BINARY_DIR}/qt-conf/qt.conf)

install(TARGETS numora RUNTIME DESTINATION . COMPONENT numora)

# The window's modules (the PDF printer and the print dialog are in PrintSupport).
foreach(module Core Gui Widgets PrintSupport)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${module} RUNTIME DESTINATION . COMPONENT numora)
endforeach()
# The window system, offscreen for a program run without a display (tests, scripts), and the
# native look of Windows' own controls.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
  LIBRARY DESTINATION platforms COMPONENT numora RUNTIME DESTINATION platforms COMPONENT numora)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
  LIBRARY DESTINATION styles COMPONENT numora RUNTIME DESTINATION styles COMPONENT numora)

# Qt and both programs share the compiler's C++ runtime, in its DLLs (the toolchain links them
# so): the posix-thread variant that built them.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  install(FILES ${found} DESTINATION . COMPONENT numora)
endforeach()

# Qt's dialogs and context menus in Japanese (Debian's qt6-translations-l10n; the texts are the
# same on every platform). shell/Translations.cpp loads it from Qt's translations folder.
find_file(NUMORA_QT_JA_QM qtbase_ja.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
  NO_CMAKE_FIND_ROOT_PATH)
if(NOT NUMORA_QT_JA_QM)
  message(FATAL_ERROR "qtbase_ja.qm not found: qt6-translations-l10n (make deps installs it)")
endif()
install(FILES ${NUMORA_QT_JA_QM} DESTINATION translations COMPONENT numora)
# The test programs find Qt's folders beside them too (the same qt.conf is in numora_shell).
file(COPY ${NUMORA_QT_JA_QM} DESTINATION ${CMAKE_BINARY_DIR}/tests/translations)

# `cmake --install --strip` strips the two programs; the libraries copied beside them carry
# their symbols and debugging sections too (libstdc++ is two thirds of the folder with them).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"${CMAKE_STRIP} failed on \${dll}\")
      endif()
    endforeach()
  endif()" COMPONENT numora)

# The licences: the program's own, and those of the libraries that come with it (Qt under the
# LGPL, the compiler's runtime, MinGW-w64's threads), as Debian records them for the packages
# they were built from.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT numora)
foreach(notice IN ITEMS "qt6-base-dev:Qt.txt" "gcc-mingw-w64-x86-64-posix-runtime:gcc-runtime.txt"
               "mingw-w64-x86-64-dev:mingw-w64.txt")
  string(REPLACE ":" ";" notice ${notice})
  list(GET notice 0 package)
  list(GET notice 1 name)
  find_file(copyright_${package} copyright PATHS /usr/share/doc/${package} NO_DEFAULT_PATH
    NO_CMAKE_FIND_ROOT_PATH)
  if(NOT copyright_${package})
    message(FATAL_ERROR "/usr/share/doc/${package}/copyright not found")
  endif()
  install(FILES ${copyright_${package}} DESTINATION licenses RENAME ${name} COMPONENT numora)
endforeach()

# The folder as a zip (cpack -G ZIP): Numora-VERSION-win64.zip, the folder of that name inside.
set(CPACK_PACKAGE_NAME Numora)
set(CPACK_PACKAGE_VENDOR Orvanta)
set(CPACK_PACKAGE_FILE_NAME Numora-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackConfig.cmake)
include(CPack)

# The installer (scripts/make-windows-setup.sh, resources/windows/setup.nsi) takes the version and
# the icon from here.
file(WRITE ${CMAKE_BINARY_DIR}/setup-defines.nsh
  "!define VERSION \"${PROJECT_VERSION}\"\n!define ICON \"${CMAKE_BINARY_DIR}/shell/numora.ico\"\n")
