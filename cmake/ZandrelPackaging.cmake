# Install rules and CPack settings of the release packages (./release builds
# them). The version is project()'s.
#   Windows: a zip with both programs, the documents and LICENSE side by side.
#   Linux:   zandrel-cli as a .deb (Depends from the libraries it links) and
#            a .tar.gz to unpack into a prefix, with a CMake package config
#            so that find_package(Zandrel) finds the tool.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# zandrel_install_documents(DESTINATION): README, CONTRIBUTING, LICENSE and
# docs/ with the pictures the documents show, so that every link in an
# installed document finds its file (tests/docs/check_links.cmake checks).
function(zandrel_install_documents destination)
  install(FILES README.md CONTRIBUTING.md LICENSE DESTINATION ${destination})
  install(DIRECTORY docs/ DESTINATION ${destination}/docs FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
endfunction()

set(CPACK_PACKAGE_VENDOR "Zandrel project")
set(CPACK_PACKAGE_CONTACT "Zandrel project")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts BMP files into C source for PSP homebrew")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Folders get these modes whatever the umask of the build, so the packages do not depend on it.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  install(TARGETS zandrel zandrel-cli RUNTIME DESTINATION .)
  zandrel_install_documents(.)

  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ZANDREL_PACKAGE_SYSTEM win64)
  else()
    set(ZANDREL_PACKAGE_SYSTEM win32)
  endif()
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME zandrel-${PROJECT_VERSION}-${ZANDREL_PACKAGE_SYSTEM})
  # Unpacks into one folder named like the zip.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(ZANDREL_CMAKE_DIR lib/cmake/Zandrel)
  install(TARGETS zandrel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  zandrel_install_documents(${CMAKE_INSTALL_DATAROOTDIR}/doc/zandrel-cli)

  # The config finds the tool relative to itself, so the unpacked .tar.gz
  # works under any prefix.
  configure_package_config_file(cmake/ZandrelConfig.cmake.in
    ${PROJECT_BINARY_DIR}/ZandrelConfig.cmake
    INSTALL_DESTINATION ${ZANDREL_CMAKE_DIR}
    PATH_VARS CMAKE_INSTALL_BINDIR)
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/ZandrelConfigVersion.cmake
    COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
  install(FILES ${PROJECT_BINARY_DIR}/ZandrelConfig.cmake ${PROJECT_BINARY_DIR}/ZandrelConfigVersion.cmake
    DESTINATION ${ZANDREL_CMAKE_DIR})
  install(FILES cmake/ZandrelTextures.cmake DESTINATION ${ZANDREL_CMAKE_DIR})

  set(CPACK_GENERATOR DEB TGZ)
  set(CPACK_DEBIAN_PACKAGE_NAME zandrel-cli)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION devel)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" ZANDREL_PACKAGE_SYSTEM)
  set(CPACK_PACKAGE_FILE_NAME zandrel-cli-${PROJECT_VERSION}-${ZANDREL_PACKAGE_SYSTEM})
  # Unpacks straight into a prefix: tar -xzf ... -C /usr/local
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()

include(CPack)
