# embed_file(<target-source-list-var> <symbol> <input-file> [DEPENDS target])
# Adds a build step that regenerates the byte-array source whenever the input changes.
function(embed_file out_var symbol input)
  cmake_parse_arguments(E "" "" "DEPENDS" ${ARGN})
  set(output "${CMAKE_BINARY_DIR}/resources/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P "${PROJECT_SOURCE_DIR}/cmake/Embed.cmake"
    DEPENDS "${input}" "${PROJECT_SOURCE_DIR}/cmake/Embed.cmake" ${E_DEPENDS}
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  set(${out_var} ${${out_var}} "${output}" PARENT_SCOPE)
endfunction()
