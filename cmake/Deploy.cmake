# `cmake --install` lays out a self-contained VeltranoInstaller.app: the
# program and its helper, the resources the build laid into the build-tree
# bundle, qt.conf, the Qt plugins the installer needs and every library that
# a desktop does not dependably have. Stripped with `cmake --install --strip`
# or by tools/package.sh.

set(VELTRANO_INSTALL_BUNDLE "VeltranoInstaller.app")

get_target_property(veltrano_qtpaths Qt6::qtpaths LOCATION)
execute_process(COMMAND "${veltrano_qtpaths}" --query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE VELTRANO_QT_PLUGINS OUTPUT_STRIP_TRAILING_WHITESPACE)
get_target_property(veltrano_qtcore Qt6::Core LOCATION)
get_filename_component(VELTRANO_QT_LIBRARIES "${veltrano_qtcore}" DIRECTORY)

install(TARGETS VeltranoInstaller VeltranoHelper
        RUNTIME DESTINATION "${VELTRANO_INSTALL_BUNDLE}/Contents/MacOS")
install(FILES "${CMAKE_CURRENT_LIST_DIR}/qt.conf"
        DESTINATION "${VELTRANO_INSTALL_BUNDLE}/Contents/MacOS")
# Whatever the build laid into the bundle's resources, translations (ours and
# Qt's own) included.
install(DIRECTORY "${VELTRANO_BUNDLE_RES_DIR}/"
        DESTINATION "${VELTRANO_INSTALL_BUNDLE}/Contents/Resources" USE_SOURCE_PERMISSIONS)

configure_file("${CMAKE_CURRENT_LIST_DIR}/deploybundle.cmake.in"
               "${CMAKE_BINARY_DIR}/deploybundle.cmake" @ONLY)
install(SCRIPT "${CMAKE_BINARY_DIR}/deploybundle.cmake")
