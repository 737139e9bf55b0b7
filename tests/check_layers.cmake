# Fails when a file of a layer includes a header of a layer above its own, or anything of the
# hosts, the harness, the pictures, the tools, tests, benchmarks or fuzz targets. Layers, lowest
# first: engine <- panes <- control <- pages.
#   cmake -DROOT=<folder holding the layer folders> -P check_layers.cmake
if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
endif()
set(layers engine panes control pages)
set(outside host harness picture apps tests bench fuzz)

set(found "")
set(checked 0)
foreach(layer IN LISTS layers)
    list(FIND layers ${layer} own_rank)
    file(GLOB_RECURSE files LIST_DIRECTORIES false
         ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.hpp ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.cc)
    foreach(file IN LISTS files)
        math(EXPR checked "${checked} + 1")
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1"
                   target "${line}")
            # A relative path is taken from the including file's folder.
            if(target MATCHES "^\\.\\.?/")
                get_filename_component(dir ${file} DIRECTORY)
                get_filename_component(abs ${dir}/${target} ABSOLUTE)
                file(RELATIVE_PATH target ${ROOT} ${abs})
            endif()
            string(REGEX MATCH "^[^/]+" top "${target}")
            if(NOT target MATCHES "/")
                continue()  # a library header or one beside the file
            endif()
            file(RELATIVE_PATH where ${ROOT} ${file})
            list(FIND layers "${top}" rank)
            list(FIND outside "${top}" foreign)
            if(rank GREATER own_rank)
                string(APPEND found "\n  ${where}: ${layer} includes ${target} of ${top}, a layer above it")
            elseif(foreign GREATER -1)
                string(APPEND found "\n  ${where}: ${layer} includes ${target} from ${top}/")
            endif()
        endforeach()
    endforeach()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "no layer file found under ${ROOT}")
endif()
if(found)
    message(FATAL_ERROR "includes against the layers' direction:${found}")
endif()
message(STATUS "${checked} files of the layers include only their own layer and those below it")
