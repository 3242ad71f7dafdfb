# Run by CPack after the components are staged and before the packages are
# made: adds what Debian expects in every package (copyright, changelog) and
# compresses the manual pages.
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  string(TOUPPER ${component} COMPONENT)
  set(package ${CPACK_DEBIAN_${COMPONENT}_PACKAGE_NAME})
  set(tree ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${component}${CPACK_PACKAGING_INSTALL_PREFIX})
  if(NOT IS_DIRECTORY ${tree})
    message(FATAL_ERROR "no staged tree for ${component} at ${tree}")
  endif()

  set(doc ${tree}/share/doc/${package})
  file(MAKE_DIRECTORY ${doc})
  file(COPY_FILE ${CPACK_MOORPLAN_COPYRIGHT} ${doc}/copyright)
  file(WRITE ${doc}/changelog "${package} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium

  * Release ${CPACK_PACKAGE_VERSION}.

 -- ${CPACK_MOORPLAN_CONTACT}  ${CPACK_MOORPLAN_DATE}
")
  file(GLOB_RECURSE aManPages ${tree}/share/man/*.[1-9])
  foreach(file IN LISTS aManPages ITEMS ${doc}/changelog)
    execute_process(COMMAND gzip -9nf ${file} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endforeach()
