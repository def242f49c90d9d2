# Puts the page's style, the core and the page's script into page.html.
# Run with -DCORE=<core.js> -DSOURCE=<this folder> -DOUT=<gelvant.html>.
cmake_minimum_required(VERSION 3.25)
file(READ ${SOURCE}/page.html html)
file(READ ${SOURCE}/page.css style)
# The work around the form follows the form's own style and script.
file(READ ${SOURCE}/work.css work_style)
file(READ ${SOURCE}/combobox.css combobox_style)
string(APPEND style "${work_style}" "${combobox_style}")
file(READ ${CORE} core)
file(READ ${SOURCE}/page.js script)
file(READ ${SOURCE}/combobox.js combobox_script)
file(READ ${SOURCE}/recovery.js recovery_script)
file(READ ${SOURCE}/work.js work_script)
file(READ ${SOURCE}/sheet.js sheet_script)
# The form's lists and the recovery copy's storage come before the work that uses them.
string(APPEND script "${combobox_script}" "${recovery_script}" "${work_script}" "${sheet_script}")
# A script element ends at the first "</script" it holds.
string(REPLACE "</script" "<\\/script" core "${core}")
string(REPLACE "</script" "<\\/script" script "${script}")
string(REPLACE "/*@STYLE@*/" "${style}" html "${html}")
string(REPLACE "/*@CORE@*/" "${core}" html "${html}")
string(REPLACE "/*@SCRIPT@*/" "${script}" html "${html}")
file(WRITE ${OUT} "${html}")
