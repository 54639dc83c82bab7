# The vendor's own content: products, license agreement and logo, chosen when
# the build is configured. They are checked here, before anything is built,
# so a wrong folder fails at once with the name of what is missing.

set(VELTRANO_RESOURCES "${PROJECT_SOURCE_DIR}/resources" CACHE PATH
    "Folder with the vendor's Products/, VeltranoEULA.rtf and Logo.png, laid into the bundle's resources")
get_filename_component(VELTRANO_RESOURCES "${VELTRANO_RESOURCES}" ABSOLUTE BASE_DIR "${CMAKE_BINARY_DIR}")

set(missing "")
if(NOT IS_DIRECTORY "${VELTRANO_RESOURCES}")
    list(APPEND missing "the resource folder itself")
else()
    if(NOT IS_DIRECTORY "${VELTRANO_RESOURCES}/Products")
        list(APPEND missing "the folder Products/ (one folder per product)")
    endif()
    if(IS_DIRECTORY "${VELTRANO_RESOURCES}/VeltranoEULA.rtf" OR NOT EXISTS "${VELTRANO_RESOURCES}/VeltranoEULA.rtf")
        list(APPEND missing "the license agreement VeltranoEULA.rtf")
    endif()
    if(IS_DIRECTORY "${VELTRANO_RESOURCES}/Logo.png" OR NOT EXISTS "${VELTRANO_RESOURCES}/Logo.png")
        list(APPEND missing "the logo Logo.png")
    endif()
endif()
if(missing)
    list(JOIN missing "; " missing)
    message(FATAL_ERROR "The resource folder ${VELTRANO_RESOURCES} lacks ${missing}.")
endif()
unset(missing)
