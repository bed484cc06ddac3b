# Turns a binary file into a C++ source that defines it as a byte array:
#
#   cmake -DINPUT=file.bmp -DOUTPUT=out.cpp -DSYMBOL=name -P embed_file.cmake
#
# defines `extern const unsigned char name[]` and `extern const std::size_t
# name_size` in namespace fenx. A missing INPUT gives an empty array, so the
# engine still builds while the artwork is being made; the game then finds no
# sprite sheet and says so.
if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT OR NOT DEFINED SYMBOL)
  message(FATAL_ERROR "embed_file.cmake needs INPUT, OUTPUT and SYMBOL")
endif()

set(body "")
set(size 0)
if(EXISTS "${INPUT}")
  file(SIZE "${INPUT}" size)
  file(READ "${INPUT}" hex HEX)
  # 32 bytes (64 hex digits) per line, then every byte as "0x..,".
  string(REPEAT "[0-9a-f]" 64 line_pattern)
  string(REGEX REPLACE "(${line_pattern})" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(STRIP "${hex}" hex)
  set(body "    ${hex}\n")
endif()
if(size EQUAL 0)
  # An array may not be empty; the size says there is nothing.
  set(body "    0x00,\n")
endif()

set(text "// Generated from ${INPUT} by embed_file.cmake; do not edit.
#include <cstddef>

namespace fenx {

extern const unsigned char ${SYMBOL}[];
extern const std::size_t ${SYMBOL}_size;

alignas(16) const unsigned char ${SYMBOL}[] = {
${body}};
const std::size_t ${SYMBOL}_size = ${size};

} // namespace fenx
")

# Rewrite only on change, so an unchanged file does not recompile.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${text}")
