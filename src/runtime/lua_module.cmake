# The binding as the Lua module fltk (fltk.so in the build's lua/ folder).
# It does not link Lua: the interpreter that loads it provides Lua. A
# sanitized build makes none, since an interpreter without the sanitizers'
# runtime cannot load it.
if(FLUAC_SANITIZE)
  message(STATUS "The Lua module fltk is not built: the build is sanitized")
  return()
endif()

add_library(fltk MODULE module.cpp)
target_link_libraries(fltk PRIVATE fluac-lua_binding)
target_compile_options(fltk PRIVATE ${FLUAC_WARNINGS})
# Only luaopen_fltk is exported; the binding's symbols stay inside.
target_link_options(fltk PRIVATE -Wl,--exclude-libs,ALL)
set_target_properties(fltk PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lua)

# Where it is installed: FLUAC_LUA_CMOD_DIR when given (luarocks gives its
# own). Otherwise a prefix that ends like Lua's own (/usr on Debian, or a
# package's staging copy of it) gets the folder Lua's pkg-config file names
# (lib/<multiarch>/lua/5.4), and any other prefix lib/lua/5.4, where the
# interpreter looks by default (/usr/local/lib/lua/5.4).
set(FLUAC_LUA_CMOD_DIR "" CACHE PATH "Folder for fltk.so; empty: Lua 5.4's C module folder of the prefix")
if(FLUAC_LUA_CMOD_DIR)
  install(TARGETS fltk LIBRARY DESTINATION ${FLUAC_LUA_CMOD_DIR})
  return()
endif()
set(lua_prefix /usr)
set(system_dir ${CMAKE_INSTALL_LIBDIR}/lua/5.4)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(cmod lua5.4 INSTALL_CMOD)
  pkg_get_variable(pc_prefix lua5.4 prefix)
  if(cmod AND pc_prefix)
    string(LENGTH "${pc_prefix}/" length)
    string(SUBSTRING "${cmod}" 0 ${length} head)
    if(head STREQUAL "${pc_prefix}/")
      string(SUBSTRING "${cmod}" ${length} -1 system_dir)
      set(lua_prefix ${pc_prefix})
    endif()
  endif()
endif()
install(CODE "
  if(CMAKE_INSTALL_PREFIX MATCHES \"${lua_prefix}/?$\")
    set(fluac_cmod_dir \"${system_dir}\")
  else()
    set(fluac_cmod_dir lib/lua/5.4)
  endif()
  file(INSTALL \"$<TARGET_FILE:fltk>\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${fluac_cmod_dir}\")
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${fluac_cmod_dir}/fltk.so\")
  endif()
")
