include(CMakePackageConfigHelpers)

set(installed_targets rivezozer shape rivezozer_platform)
if(WIN32) # the DLL, its import library and the framework's DLL it registers with
  list(APPEND installed_targets rivezozer_module rivezozer_framework)
endif()
install(TARGETS ${installed_targets} EXPORT RIVEzozerTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir platform shape dxf diedxf plt module)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/rivezozer/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
install(EXPORT RIVEzozerTargets NAMESPACE RIVEzozer::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/RIVEzozer)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/RIVEzozerConfig.cmake.in
  ${PROJECT_BINARY_DIR}/RIVEzozerConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/RIVEzozer)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/RIVEzozerConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/RIVEzozerConfig.cmake
  ${PROJECT_BINARY_DIR}/RIVEzozerConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/RIVEzozer)
