# Installation and the Debian package. Installed, the program finds its data
# tree at ../share/vandrel-catalogue from its own folder, so the tree can be
# moved as a whole (cmake --install --prefix, or the package under /usr).
include(GNUInstallDirs)

set(VD_APP_ID example.vandrel.catalogue)
set(VD_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/vandrel-catalogue)

foreach(program vandrel-catalogue vdcat vdcat-render vdcat-serve)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The selection service's systemd unit, beside a vdcat that has serve. It names
# vdcat where it is installed, so it is written at install time, when the
# prefix is known.
if(TARGET vd_serve)
  install(CODE "
    set(VD_INSTALL_BIN \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    configure_file(\"${CMAKE_SOURCE_DIR}/data/systemd/vdcat-serve.service.in\"
                   \"${CMAKE_BINARY_DIR}/vdcat-serve.service\" @ONLY)")
  install(FILES ${CMAKE_BINARY_DIR}/vdcat-serve.service DESTINATION lib/systemd/system)
endif()

# The data tree as the build lays it out beside the programs; the tools that
# make it stay behind. Pictures and metafiles come from the Qt generators.
set(VD_DATA_DIRS dat txt clips)
if(VD_WITH_QT)
  list(APPEND VD_DATA_DIRS bmp wmf pics)
endif()
foreach(dir ${VD_DATA_DIRS})
  install(DIRECTORY ${VD_RUNTIME_DIR}/${dir} DESTINATION ${VD_INSTALL_DATA})
endforeach()

if(TARGET vandrel-catalogue)
  set(VD_DESKTOP_SRC ${CMAKE_SOURCE_DIR}/data/desktop)
  install(FILES ${VD_DESKTOP_SRC}/${VD_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VD_DESKTOP_SRC}/${VD_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The icon in every size of the desktop's icon theme, drawn by the artwork
# generator from the logo's mark.
if(TARGET gen_artwork)
  set(VD_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  set(icon_files)
  foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND icon_files ${VD_ICON_DIR}/${size}x${size}/apps/vandrel-catalogue.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:gen_artwork> --icon-dir ${VD_ICON_DIR}
    DEPENDS gen_artwork
    COMMENT "Drawing the application icon"
    VERBATIM)
  add_custom_target(app_icons ALL DEPENDS ${icon_files})
  install(DIRECTORY ${VD_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

# The manual page of vdcat, wherever its source is kept.
file(GLOB VD_MAN_PAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/vdcat/*.1
     ${CMAKE_SOURCE_DIR}/docs/*.1)
if(VD_MAN_PAGES)
  install(FILES ${VD_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME vandrel-catalogue)
set(CPACK_PACKAGE_VENDOR "Vandrel")
set(CPACK_PACKAGE_CONTACT "Vandrel <support@vandrel.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fan selection catalogue for ventilation engineers")
set(CPACK_PACKAGE_DESCRIPTION
    "Finds the fans of the Vandrel range that deliver an air volume against a pressure, \
draws their performance diagrams, dimension drawings and data tables, and prints data \
sheets and quotations. Includes vdcat, the catalogue's command-line companion.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vandrel.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What shlibdeps cannot see: the fonts the pages are laid out for, and Qt's
# platform plugins, which are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, qt6-qpa-plugins")
include(CPack)
