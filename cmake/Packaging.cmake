# Installs the program as a desktop application and packs it as a Debian package
# (`make install`, `make package`). Every installed file is named by the application id.
set(PENNYWELL_APP_ID org.pennywell.Pennywell)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNYWELL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNYWELL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The budget file type, so a file manager opens a budget file with the program.
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${PENNYWELL_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PENNYWELL_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/pennywell.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PENNYWELL_APP_ID}.svg)
foreach(size IN LISTS PENNYWELL_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/pennywell-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${PENNYWELL_APP_ID}.png)
endforeach()

# Manual pages and the changelog are installed compressed, reproducibly (no name, no time).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_files "")
foreach(source IN ITEMS resources/man/pennywell.1 resources/man/pennywell-calc.1
                        resources/packaging/changelog)
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
        COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/${source} > ${output}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
    list(APPEND compressed_files ${output})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_files})
install(FILES ${CMAKE_BINARY_DIR}/compressed/pennywell.1.gz
              ${CMAKE_BINARY_DIR}/compressed/pennywell-calc.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz
              ${PROJECT_SOURCE_DIR}/resources/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pennywell)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pennywell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pennywell developers")
set(CPACK_PACKAGE_CONTACT "The Pennywell developers <developers@pennywell.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "household finance planner: mortgage, loans, budget, savings")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop planner for household finances, exact to the cent.\n"
    "It works out mortgage and personal-loan payments and schedules (any\n"
    "compounding, accelerated and additional payments, payment dates), keeps a\n"
    "household budget of income and expenses for any period, and projects\n"
    "savings with growth, yearly increase and inflation. Results are printed or\n"
    "saved as PDF and drawn as bar graphs. The pennywell-calc command runs the\n"
    "same calculators from scripts.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printed columns are laid out for Liberation Mono, which stands in for Courier New. The
# print spooler's library is loaded at the first printout, so no linking names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libcups2")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pennywell.org)
include(CPack)
