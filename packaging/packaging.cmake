# What `cmake --install` puts where a desktop looks (GNU install dirs, freedesktop and Debian
# conventions) and the Debian package that CPack makes of it. Included from the top directory,
# after the typecask and typecask-cli targets.
include(GNUInstallDirs)

set(pkg_src ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(pkg_bin ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# The icon in the sizes the hicolor theme and the window use. 16 pixels has its own drawing on
# the pixel grid; the others are the scalable one.
find_program(TYPECASK_RSVG_CONVERT rsvg-convert REQUIRED)
set(TYPECASK_ICON_SIZES 16 32 48 64 128 256)
set(icon_pngs)
foreach(size IN LISTS TYPECASK_ICON_SIZES)
    if(size EQUAL 16)
        set(svg ${pkg_src}/icons/typecask-16.svg)
    else()
        set(svg ${pkg_src}/icons/typecask.svg)
    endif()
    set(png ${pkg_bin}/icons/${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${pkg_bin}/icons
        COMMAND ${TYPECASK_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
        DEPENDS ${svg}
        COMMENT "Drawing the ${size} px icon"
        VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TYPECASK_APP_ID}.png)
endforeach()
install(FILES ${pkg_src}/icons/typecask.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TYPECASK_APP_ID}.svg)
# The windows show the same icon, from the executable's own resources.
qt_add_resources(typecask typecask_icons PREFIX /typecask/icons BASE ${pkg_bin}/icons FILES ${icon_pngs})

# Manual pages and the Debian changelog, compressed as Debian wants them (-n: no name or time).
find_program(TYPECASK_GZIP gzip REQUIRED)
set(gzipped)
foreach(file typecask.1 typecask-cli.1 debian/changelog)
    get_filename_component(name ${file} NAME)
    set(out ${pkg_bin}/${name}.gz)
    add_custom_command(OUTPUT ${out}
        COMMAND ${TYPECASK_GZIP} -9 -n -c ${pkg_src}/${file} > ${out}
        DEPENDS ${pkg_src}/${file}
        VERBATIM)
    list(APPEND gzipped ${out})
endforeach()
add_custom_target(typecask_packaging_files ALL DEPENDS ${gzipped})

install(TARGETS typecask typecask-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${pkg_src}/${TYPECASK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${pkg_src}/${TYPECASK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${pkg_bin}/typecask.1.gz ${pkg_bin}/typecask-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_src}/debian/copyright ${pkg_bin}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/typecask)

# The Debian package: `cpack -G DEB` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME typecask)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Typecask developers <typecask@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "font viewer and font manager for Japanese users")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TYPECASK_HOME_PAGE})
# CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Typecask lists the installed font families by category (Japanese, Western,
symbol and other fonts), previews a sample text in any family, size, weight,
slant and colours, and turns that sample into RTF and HTML for word
processors and web pages. Its windows are in Japanese.
.
The command-line tool typecask-cli gives the same font lists, RTF and HTML
to scripts.")
# Libraries come from what the executables link (dpkg-shlibdeps); Qt loads its display
# plugins at run time, which no link shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
include(CPack)
