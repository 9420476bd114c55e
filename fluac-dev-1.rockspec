-- `luarocks --lua-version=5.4 make` in a checkout builds the FLTK binding as
-- the Lua module fltk and installs it into the rock tree. It needs the
-- Debian packages of scripts/install-deps.sh (FLTK 1.3, libpng, cmake).
rockspec_format = "3.0"
package = "fluac"
version = "dev-1"
source = {
  -- luarocks make builds the checkout it is run in, and fetches nothing.
  url = "git+file://."
}
description = {
  summary = "The FLTK 1.3 binding that the Lua scripts fluac writes run against",
  detailed = [[
fluac translates the .fl files of FLTK's interface designer into Lua scripts.
This rock installs the binding they run against, as the C module fltk:
lua5.4 -l fltk ui.lua runs a translated script, and a program can
local fltk = require "fltk" and build widgets by hand.]]
}
dependencies = {
  "lua >= 5.4, < 5.5"
}
build = {
  type = "cmake",
  variables = {
    CMAKE_BUILD_TYPE = "Release",
    CMAKE_INSTALL_PREFIX = "$(PREFIX)",
    FLUAC_LUA_MODULE_ONLY = "ON",
    FLUAC_LUA_CMOD_DIR = "$(LIBDIR)",
    LUA_INCLUDE_DIR = "$(LUA_INCDIR)"
  }
}
