# One interface target that every Lumaro target links: language level, warnings and the Qt
# defines everyone shares. Includes are written from the source root ("common/imageinfo.h").
add_library(lumaro_options INTERFACE)
target_compile_features(lumaro_options INTERFACE cxx_std_17)
target_compile_options(lumaro_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
target_compile_definitions(lumaro_options INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    LUMARO_VERSION="${PROJECT_VERSION}")
target_include_directories(lumaro_options INTERFACE ${CMAKE_SOURCE_DIR})

# lumaro_glob_library(<target> <dir> [LIBS ...])
# A static library of every .cpp in <dir> (not below it). A folder with no sources yet gives an
# interface library, so targets that depend on it still configure.
function(lumaro_glob_library target dir)
    cmake_parse_arguments(A "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    file(GLOB resources CONFIGURE_DEPENDS ${dir}/*.qrc)
    if(sources)
        add_library(${target} STATIC ${sources} ${headers} ${resources})
        target_link_libraries(${target} PUBLIC lumaro_options ${A_LIBS})
    else()
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE lumaro_options ${A_LIBS})
    endif()
endfunction()
