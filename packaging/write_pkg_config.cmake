# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at install time (install(SCRIPT)): writes a pkg-config file for the
# prefix the installation goes to, which is only known then (cmake --install
# --prefix, or /usr when CPack builds the package).
# In: pc_template, pc_output, pc_version, pc_libdir_rel, pc_includedir_rel
# (relative to the prefix, or absolute).
set(pc_prefix "${CMAKE_INSTALL_PREFIX}")
foreach(kind libdir includedir)
  if(IS_ABSOLUTE "${pc_${kind}_rel}")
    set(pc_${kind} "${pc_${kind}_rel}")
  else()
    set(pc_${kind} "\${prefix}/${pc_${kind}_rel}")
  endif()
endforeach()
configure_file("${pc_template}" "${pc_output}" @ONLY)
