# Puts the page's style, the core and the page's script into page.html.
# Run with -DCORE=<core.js> -DSOURCE=<this folder> -DOUT=<gelvant.html>.
cmake_minimum_required(VERSION 3.25)
file(READ ${SOURCE}/page.html html)
file(READ ${SOURCE}/page.css style)
file(READ ${CORE} core)
file(READ ${SOURCE}/page.js script)
# A script element ends at the first "</script" it holds.
string(REPLACE "</script" "<\\/script" core "${core}")
string(REPLACE "</script" "<\\/script" script "${script}")
string(REPLACE "/*@STYLE@*/" "${style}" html "${html}")
string(REPLACE "/*@CORE@*/" "${core}" html "${html}")
string(REPLACE "/*@SCRIPT@*/" "${script}" html "${html}")
file(WRITE ${OUT} "${html}")
