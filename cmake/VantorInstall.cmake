# What `cmake --install` lays out, and the .deb that `make package` builds.
include(GNUInstallDirs)

# The language library is the programs' own: it goes in a folder of theirs under
# the library folder, found from bin/ by a relative run path.
set(VANTOR_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/vantor)
set(VANTOR_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vantor)
file(RELATIVE_PATH VANTOR_BIN_TO_LIB /${CMAKE_INSTALL_BINDIR} /${VANTOR_PRIVATE_LIBDIR})
set_target_properties(vantor vantor-bake PROPERTIES INSTALL_RPATH "\$ORIGIN/${VANTOR_BIN_TO_LIB}")

install(TARGETS vantor vantor-bake RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Localizer LIBRARY DESTINATION ${VANTOR_PRIVATE_LIBDIR} NAMELINK_SKIP)
install(FILES resources/lang/de.lng resources/lang/ru.lng resources/lang/zz-en.lng
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vantor/lang)
install(FILES resources/desktop/vantor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/vantor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.vantor.Vantor.metainfo.xml)
foreach(size 16 24 32 48 64 128 256)
  install(FILES resources/artwork/hicolor/${size}x${size}/vantor.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the changelog go in compressed, reproducibly, as Debian expects.
set(VANTOR_COMPRESSED)
foreach(source docs/man/vantor.1 docs/man/vantor-bake.1 docs/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source} > ${compressed}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND VANTOR_COMPRESSED ${compressed})
endforeach()
add_custom_target(vantor_compressed_docs ALL DEPENDS ${VANTOR_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/compressed/vantor.1.gz ${CMAKE_BINARY_DIR}/compressed/vantor-bake.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md DESTINATION ${VANTOR_DOCDIR})
install(FILES LICENSE DESTINATION ${VANTOR_DOCDIR} RENAME copyright)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz DESTINATION ${VANTOR_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantor developers")
set(CPACK_PACKAGE_CONTACT "The Vantor developers <developers@vantor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn an installed font into a bitmap-font texture")
set(CPACK_PACKAGE_DESCRIPTION "Vantor lays out the characters of an installed font on a texture and
saves it as a TGA with a params file, or as BMFont descriptors with PNG
pages for game engines, in coverage or as signed distance fields.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-freefont-ttf")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
