# Puts the page's style, the core and the page's script into page.html.
# Run with -DCORE=<core.js> -DSOURCE=<this folder> -DSCRIPTS=<a.js,b.js,…, in
# the order they run> -DOUT=<gelvant.html>.
cmake_minimum_required(VERSION 3.25)
file(READ ${SOURCE}/page.html html)
file(READ ${SOURCE}/page.css style)
# The work around the form follows the form's own style and script.
file(READ ${SOURCE}/work.css work_style)
file(READ ${SOURCE}/combobox.css combobox_style)
string(APPEND style "${work_style}" "${combobox_style}")
file(READ ${CORE} core)
string(REPLACE "," ";" scripts "${SCRIPTS}")
set(script "")
foreach(name IN LISTS scripts)
  file(READ ${SOURCE}/${name} part)
  string(APPEND script "${part}")
endforeach()
# A script element ends at the first "</script" it holds.
string(REPLACE "</script" "<\\/script" core "${core}")
string(REPLACE "</script" "<\\/script" script "${script}")
string(REPLACE "/*@STYLE@*/" "${style}" html "${html}")
string(REPLACE "/*@CORE@*/" "${core}" html "${html}")
string(REPLACE "/*@SCRIPT@*/" "${script}" html "${html}")
file(WRITE ${OUT} "${html}")
