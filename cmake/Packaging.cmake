# What a Debian packager expects beside the programs, and the two packages `cpack -G DEB` makes
# in the build folder: numora (the window) and numora-calc (the engine without Qt, for
# terminals and scripts). Each install() names its component: numora or calc.
include(GNUInstallDirs)

# Manual pages and changelogs are installed gzipped, reproducibly (no name or time inside).
find_program(GZIP_PROGRAM gzip REQUIRED)
function(numora_gzip target input output)
  get_filename_component(name ${output} NAME_WLE)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${input} ${dir}/${name}
    COMMAND ${GZIP_PROGRAM} -9nf ${dir}/${name}
    DEPENDS ${input} VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

# The licence and the changelog of each package, where Debian looks for them.
numora_gzip(numora_changelog ${CMAKE_SOURCE_DIR}/resources/package/changelog
  ${CMAKE_BINARY_DIR}/package/changelog.gz)
foreach(component IN ITEMS numora calc)
  set(package numora)
  if(component STREQUAL calc)
    set(package numora-calc)
  endif()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/package/copyright
    ${CMAKE_BINARY_DIR}/package/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

set(CPACK_PACKAGE_NAME numora)
set(CPACK_PACKAGE_VENDOR Orvanta)
set(CPACK_PACKAGE_CONTACT "Orvanta <numora@orvanta.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL numora calc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_STRIP_FILES ON)
# Dependencies are read off the binaries; the window also needs the plugins Qt loads at run
# time and Qt's Japanese texts for its standard buttons and dialogs. The window does not run
# numora-calc, so it does not depend on it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_NUMORA_PACKAGE_NAME numora)
set(CPACK_DEBIAN_NUMORA_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_NUMORA_PACKAGE_RECOMMENDS fonts-noto-cjk)
set(CPACK_DEBIAN_NUMORA_DESCRIPTION "worksheet calculator with 100-digit decimal arithmetic
Numora is a calculator that works like a text editor: type an expression on
a line, press Enter, and the result is written on the line below it. A
worksheet keeps the whole calculation, can be edited and recalculated, and
is saved as plain text.

Numbers are decimal with 100 significant digits. There are variables,
functions for trigonometry, logarithms, rounding, dates and times and bit
operations, functions of your own, find and replace, and printing.

This package holds the desktop program. The command-line calculator is in
the numora-calc package.")

set(CPACK_DEBIAN_CALC_PACKAGE_NAME numora-calc)
set(CPACK_DEBIAN_CALC_DESCRIPTION "command-line worksheet calculator with 100-digit decimal arithmetic
numora-calc is the calculation engine of the Numora worksheet calculator
without its window: it evaluates expressions given on the command line,
recalculates worksheet files (in place or to standard output), and answers
lines typed at a terminal with line editing and history.

Numbers are decimal with 100 significant digits. The settings and the user
functions of the desktop program apply. It needs no graphical libraries.")
include(CPack)
