cmake_minimum_required(VERSION 3.25)
# Checks the layering of src: a file includes only headers of its own layer or of the layers
# below it (common <- model <- doc <- ui <- views <- frame <- scenario <- main.cpp), and no
# file of common, model or doc includes a Qt header. pugixml stays inside the files that read
# XML: no header but common/XmlReader.h includes it or XmlReader.h.
#   cmake -DSRC=<src folder> -P layers.cmake
set(layers common model doc ui views frame scenario)
set(qt_free common model doc)
set(problems "")
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
foreach(file IN LISTS files)
    if(file MATCHES "^([a-z]+)/")
        set(own ${CMAKE_MATCH_1})
    else()
        set(own main)  # src/main.cpp sits on top of every layer
    endif()
    list(FIND layers ${own} own_rank)
    if(own STREQUAL "main")
        list(LENGTH layers own_rank)
    endif()
    file(STRINGS ${SRC}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        if(line MATCHES "include[ \t]*\"([a-z]+)/")
            list(FIND layers ${CMAKE_MATCH_1} rank)
            if(rank GREATER own_rank)
                string(APPEND problems "\n  ${file}: ${line} (a higher layer)")
            endif()
        elseif(line MATCHES "include[ \t]*<Q" AND own IN_LIST qt_free)
            string(APPEND problems "\n  ${file}: ${line} (a Qt header in a Qt-free layer)")
        endif()
        if(file MATCHES "\\.h$" AND NOT file STREQUAL "common/XmlReader.h"
           AND line MATCHES "pugixml\\.hpp|XmlReader\\.h")
            string(APPEND problems "\n  ${file}: ${line} (pugixml seen through a header)")
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "Includes against the layers:${problems}")
endif()
