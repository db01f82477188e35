# Turns a file into a C++ source holding it as a byte array.
# Run as: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P Embed.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," body "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" body "${body}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include \"resources/byte_span.h\"\n\nnamespace res {\nnamespace {\nalignas(8) const unsigned char data[${size}] = {\n${body}\n};\n}\nextern const ByteSpan ${SYMBOL};\nconst ByteSpan ${SYMBOL}{data, ${size}};\n}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
