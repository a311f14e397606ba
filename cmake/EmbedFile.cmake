# Writes a C++ source that defines a file's bytes as an array, so that a
# program carries the file instead of looking for it at run time. Run as
# cmake -DINPUT=FILE -DOUTPUT=SOURCE -DHEADER=DECLARING_HEADER -DNAME=QUALIFIED_NAME -P
file(READ "${INPUT}" hex HEX)
# Sixteen bytes (32 hex digits) a line, for compilers and editors.
string(REGEX REPLACE "(................................)" "\\1\n" lines "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${lines}")
file(WRITE "${OUTPUT}.new"
     "// Generated from ${INPUT}; do not edit.\n#include \"${HEADER}\"\n\n"
     "const unsigned char ${NAME}[] = {\n${bytes}\n};\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
