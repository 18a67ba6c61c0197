# What `cmake --install` puts under the prefix, and the Debian package made
# of it with `cpack`.
install(TARGETS plovask trevanix-store RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS trevanix
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP)
install(FILES docs/man/plovask.1 docs/man/trevanix-store.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md docs/script-language.md docs/store.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES examples/branch-office.cfg DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plovask)
set(CPACK_PACKAGE_VENDOR "PLOVASK")
set(CPACK_PACKAGE_CONTACT "PLOVASK developers <plovask@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "applies ISDN dial-up configuration scripts")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "plovask reads a configuration script, one command a line, and applies it\n\
through the TREVANIX configuration library: remote sites with their numbers,\n\
user names, passwords, authentication and active flag, MSNs per controller\n\
and the configuration lock. The package holds the stand-in library\n\
libtrevanix.so.1, which keeps the configuration in a store file, and\n\
trevanix-store, which shows and exports it.")
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
