# cmake -DIN=FILE.lua -DOUT=FILE.cpp -DNAME=kSymbol -P embed_lua.cmake
# Writes a C++ file that defines NAME as the text of the Lua file.
file(READ ${IN} text)
file(WRITE ${OUT} "namespace fluac_lua {\nextern const char ${NAME}[];\nconst char ${NAME}[] = R\"fluac_lua(${text})fluac_lua\";\n}\n")
