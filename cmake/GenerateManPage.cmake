# Writes the man page of tagrio-cli from its own help text:
#   cmake -DTAGRIO_CLI=... -DOUTPUT=... -DVERSION=... -P GenerateManPage.cmake
execute_process(COMMAND ${TAGRIO_CLI} --help
                OUTPUT_VARIABLE help ERROR_VARIABLE help_on_stderr RESULT_VARIABLE result)
if(help STREQUAL "")
  set(help "${help_on_stderr}")
endif()
if(help STREQUAL "")
  message(FATAL_ERROR "tagrio-cli --help printed nothing (exit ${result})")
endif()
# Backslashes and leading dots or quotes would be read as troff requests.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(WRITE ${OUTPUT} ".TH TAGRIO-CLI 1 \"\" \"tagrio ${VERSION}\" \"User Commands\"
.SH NAME
tagrio-cli \\- cable nameplate outputs from a record file, without a window
.SH SYNOPSIS
.B tagrio-cli
.I COMMAND
[\\fIOPTIONS\\fR]
.SH DESCRIPTION
Every output of tagrio (record files, nameplate workbooks and PDFs) from a
record file, for scripts and batch work. Prints UTF-8; exits 0 on success, 1
when the operation fails (the message on standard error), 2 for a usage error.
.PP
.nf
${help}.fi
.SH SEE ALSO
.BR tagrio (1)
")
