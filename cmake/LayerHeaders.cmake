# Each layer publishes only its own headers. Its include directory is a folder of
# the build tree that holds one link, named as the layer, to the layer's sources;
# a library sees its own folder and those of the layers it links. An include that
# runs up the layers finds no header, so it fails to build.
function(kartavel_layer_headers target)
    get_filename_component(layer ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(folder ${CMAKE_BINARY_DIR}/layers/${target})
    file(MAKE_DIRECTORY ${folder})
    if(NOT IS_SYMLINK ${folder}/${layer})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${folder}/${layer} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${folder})
endfunction()
