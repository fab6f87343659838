# Install layout and the Debian package.
#   bin/velmar
#   share/velmar/velmarhelp.html            (found by the program through ../share/velmar)
#   share/applications/<id>.desktop
#   share/metainfo/<id>.metainfo.xml
#   share/icons/hicolor/scalable/apps/<id>.svg and <n>x<n>/apps/<id>.png
include(GNUInstallDirs)

# The same name as kApplicationId in src/app/AppPaths.h.
set(VELMAR_APP_ID com.morvanesoftware.VelmarKessa)
set(VELMAR_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/appicon/velmar.svg)
set(VELMAR_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS velmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/help/velmarhelp.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velmar)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VELMAR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${VELMAR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VELMAR_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VELMAR_APP_ID}.svg)

# The bitmap sizes are drawn from the one SVG at build time.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_outputs)
  foreach(size ${VELMAR_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${VELMAR_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${VELMAR_ICON_SVG}
      DEPENDS ${VELMAR_ICON_SVG} VERBATIM)
    list(APPEND icon_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(velmar_icons ALL DEPENDS ${icon_outputs})
  add_dependencies(velmar velmar_icons)
else()
  message(WARNING "rsvg-convert not found (package librsvg2-bin): the PNG application icons are not installed")
endif()

# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Morvane Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Estimates, work orders and invoices for painting contractors")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmar Kessa prepares and keeps the paperwork of a painting job: estimates, work orders, change orders, invoices, credits and past-due notices, priced from one work sheet per room against a price sheet.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY velmar)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Morvane Software <support@morvane-software.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.morvane-software.example/velmar")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What is loaded at run time rather than linked: the window system and SVG plugins, the
# fonts the layouts name (Arial is matched by Liberation Sans).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation, fontconfig, breeze-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "breeze-icon-theme, xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)
