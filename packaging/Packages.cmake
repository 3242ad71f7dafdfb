# Debian packages of the release build in build/ (`./build.sh package` runs
# `cpack -G DEB` there): `moorplan` with everything a user runs, and
# `libmoorplan-support-dev` for programs built against the support library.
set(MOORPLAN_CONTACT developers@moorplan.example)
configure_file(copyright.in copyright @ONLY)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME moorplan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Moorplan developers")
set(CPACK_PACKAGE_CONTACT "The Moorplan developers <${MOORPLAN_CONTACT}>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The debug information stays in build/; the packages carry stripped programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL runtime development)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${MOORPLAN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME moorplan)
# The wizard needs a windowing platform plugin; opening the report and the help
# file goes through the desktop's default applications.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS xdg-utils)
# The support library: a shlibs file for programs built against it, and the
# dynamic linker's cache refreshed through its trigger.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/triggers)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "battery endurance planner for moored oceanographic instruments
Moorplan estimates how long a fresh battery pack keeps a moored instrument of
the Kelvo line sampling. A wizard asks, page by page, for the model, its
communications and firmware, the sensors and pump, the sampling scheme, the
battery pack and the deployment conditions, and computes the endurance in days,
with a plain-text report of the inputs and the result beside every page.

The command-line program moorplan-report answers the same pages from options
and prints the same report.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libmoorplan-support-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "moorplan (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "development files for Moorplan's support library
The support library of Moorplan, the battery endurance planner for moored
oceanographic instruments, offers edit-field conversion and validation, date
and time text, path and list helpers and the help launcher to other programs.

This package holds the headers, the CMake package (find_package of
MoorplanSupport gives the target Moorplan::Support) and the pkg-config file
moorplan-support.")

# Debian's own files in each package: copyright, changelog, compressed manual
# pages (a plain `cmake --install` keeps the pages uncompressed).
set(CPACK_MOORPLAN_COPYRIGHT ${CMAKE_CURRENT_BINARY_DIR}/copyright)
set(CPACK_MOORPLAN_CONTACT ${CPACK_PACKAGE_CONTACT})
set(CPACK_MOORPLAN_DATE "Mon, 07 Dec 2026 00:00:00 +0000")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianTree.cmake)

include(CPack)
