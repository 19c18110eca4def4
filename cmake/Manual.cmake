# Turns one chapter of the manual from Markdown into an HTML page (run with cmake -P):
# -DCMARK=... -DSOURCE=chapter.md -DTARGET=chapter.html
execute_process(COMMAND ${CMARK} --to html ${SOURCE} OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmark could not read ${SOURCE}")
endif()
file(STRINGS ${SOURCE} first LIMIT_COUNT 1)
string(REGEX REPLACE "^# *" "" title "${first}")
file(WRITE ${TARGET} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
img { max-width: 100%; border: 1px solid #bbb; }
table { border-collapse: collapse; } td, th { border: 1px solid #ccc; padding: 0.2em 0.5em; text-align: left; }
pre { background: #f4f4f4; padding: 0.6em; overflow-x: auto; }
nav { margin-bottom: 1.5em; }
</style>
</head>
<body>
<nav><a href=\"index.html\">Orrelin — the user's manual</a></nav>
${body}
</body>
</html>
")
