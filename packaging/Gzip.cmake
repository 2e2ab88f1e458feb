# kx_gzip(OUTPUT INPUT): a build step that compresses INPUT into OUTPUT the way
# Debian wants documentation compressed: best compression, and neither the
# file's name nor its time stored, so that two builds give the same bytes.
find_program(KX_GZIP gzip REQUIRED)
function(kx_gzip output input)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${KX_GZIP} -9nc ${input} > ${output}
                     DEPENDS ${input}
                     COMMENT "Compressing ${output}")
endfunction()
