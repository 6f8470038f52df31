# Writes a program's man page from its --help (and, for vantorix-cli, each
# command's help), adding what the help leaves out:
#   cmake -DPROGRAM=path/to/vantorix-cli -DNAME=vantorix-cli -DOUT=vantorix-cli.1
#         -DVERSION=3.3.0 -P man_page.cmake
# NAME is vantorix, vantorix-cli or vantorix-sandbox.
cmake_minimum_required(VERSION 3.21)
function(help_of out)
    execute_process(COMMAND ${PROGRAM} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${ARGN} failed: ${status}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text escaped for roff: backslashes, hyphens, and lines that would start a request.
function(escaped out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text kept as the help lays it out.
function(verbatim out text)
    escaped(text "${text}")
    set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

# The variables the help names in brackets, each with its option.
function(environment_of out help)
    string(REPLACE ";" "," help "${help}")
    string(REPLACE "\n" ";" lines "${help}")
    set(entries "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^  (--[a-z-]+)")
            set(option "${CMAKE_MATCH_1}")
        endif()
        if(line MATCHES "\\[(VANTORIX_[A-Z_]+)\\]")
            escaped(option_text "${option}")
            escaped(variable "${CMAKE_MATCH_1}")
            string(APPEND entries ".TP\n.B ${variable}\nAs \\fB${option_text}\\fR; the option wins.\n")
        endif()
    endforeach()
    set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# What the help does not say: a summary for the window and the sandbox,
# examples, the environment the engine and Qt read, exit status and files.
set(dump_file [=[
.TP
.I ~/.local/share/Vantorix/1.txt
The dump file (\fI$XDG_DATA_HOME/Vantorix/1.txt\fR when that variable is set;
\fId:\e1.txt\fR on Windows): the window writes each hot-word list it fetches
here as GBK, its words separated by CRLF, replacing the file. \fB\-\-dump\-file\fR
or \fBVANTORIX_DUMP_FILE\fR puts it elsewhere; \fBvantorix\-cli hotwords\fR
writes one only where they say.
]=])
set(proxy_environment [=[
.TP
.BR http_proxy ", " https_proxy ", " no_proxy
The system's proxy, used when neither \fB\-\-proxy\fR nor \fBVANTORIX_PROXY\fR gives one.
]=])

if(NAME STREQUAL "vantorix")
    set(summary "long-tail keyword tool for Chinese SEO (the window)")
    set(intro [=[
The window: mines long-tail keywords from a seed keyword through web search's
related searches, fetches hot-word lists and reworks the keyword list (remove
repeats, shuffle, filter, export as text, Excel or CSV, group by root word).
Its captions are Chinese. The options below point it at other hosts (or at an
embedded sandbox web) and set how it paces its queries.
.PP
]=])
    set(examples [=[
.TP
.B vantorix
Start the window on the real web.
.TP
.B vantorix \-\-sandbox
Start it on an embedded web on 127.0.0.1, to try it without the network.
.TP
.B vantorix \-\-proxies proxies.txt \-\-pace auto
Spread the mining queries over the proxies in \fIproxies.txt\fR at a learnt pace.
]=])
    set(extra_environment [=[
.TP
.B QTWEBENGINE_DISABLE_SANDBOX
Set to 1 to run the browser panel without its sandbox. As root the window sets
it itself and says so on standard error, as the engine's sandbox cannot start
for root.
]=])
    set(exit_status [=[
0 when the window is closed, 1 when it cannot start (the \fB\-\-sandbox\fR web
cannot listen, the window cannot be built), 2 on a usage error.
]=])
    set(files "${dump_file}")
    string(APPEND files [=[
.TP
.I ~/.config/Vantorix/vantorix.conf
The folder the save dialogs last saved to.
]=])
elseif(NAME STREQUAL "vantorix-sandbox")
    set(summary "offline web for trying and testing Vantorix")
    set(intro "")
    set(examples [=[
.TP
.B vantorix\-sandbox \-\-port 8080
Serve the classic pages on http://127.0.0.1:8080 until killed.
.TP
.B vantorix\-sandbox \-\-layout live \-\-block\-rate 0.1 \-\-log
Serve today's pages, answer one search in ten with a block and print each request.
.TP
.B vantorix\-sandbox \-\-count 减肥
Print how many keywords a run from 减肥 can find in the sandbox.
]=])
    set(extra_environment "")
    set(exit_status [=[
1 when the port cannot be listened on, 2 on a usage error; otherwise it serves
until killed. \fB\-\-count\fR, \fB\-\-help\fR and \fB\-\-version\fR exit 0.
]=])
    set(files [=[
None: every page is made in memory, and nothing is written.
]=])
else()
    set(intro "")
    set(examples "")
    set(extra_environment "${proxy_environment}")
    set(exit_status [=[
130 when a second Ctrl\-C aborts \fBmine\fR. Each command under COMMANDS
gives its own cases.
]=])
    set(files [=[
.TP
.I FILE\fR, \fIFILE\fB.lock
The state of a \fBmine \-\-state \fIFILE\fR run, and the lock that keeps a second
run off it; run the same command again to resume.
]=])
    string(APPEND files "${dump_file}")
endif()
if(NAME STREQUAL "vantorix")
    string(APPEND extra_environment "${proxy_environment}")
endif()

help_of(overview --help)
string(REGEX MATCH "^Usage: [^ \n]+ ([^\n]*)" usage "${overview}")
escaped(synopsis "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^Usage: [^\n]*\n\n" "" description "${overview}")
if(NAME STREQUAL "vantorix-cli")
    string(REGEX MATCH "^([^:\n]+)" summary "${description}")
    string(REPLACE "\n" " " summary "${summary}")
endif()
# The help's exit status paragraph comes first in its section.
if(description MATCHES "\nExit status: ([^\n]*(\n[^\n]+)*)\n*$")
    escaped(status "${CMAKE_MATCH_1}")
    set(exit_status "${status}\n.PP\n${exit_status}")
    string(REGEX REPLACE "\nExit status: .*" "" description "${description}")
endif()
environment_of(environment "${overview}")
verbatim(description "${description}")
escaped(name "${NAME}")
string(TOUPPER "${name}" title)
string(CONCAT page ".TH ${title} 1 \"\" \"${name} ${VERSION}\" \"User Commands\"\n"
       ".SH NAME\n${name} \\- ${summary}\n"
       ".SH SYNOPSIS\n.B ${name}\n${synopsis}\n"
       ".SH DESCRIPTION\n${intro}${description}")

if(NAME STREQUAL "vantorix-cli")
    string(APPEND page ".SH COMMANDS\n")
    string(REGEX MATCH "Commands:\n(([ ]+[^\n]*\n)+)" commands "${overview}")
    string(REGEX MATCHALL "\n  [a-z-]+" names "\n${CMAKE_MATCH_1}")
    foreach(command ${names})
        string(STRIP "${command}" command)
        if(NOT command STREQUAL "help")
            help_of(text help ${command})
            # Each command's examples join the EXAMPLES section.
            if(text MATCHES "\nExamples:\n(.*)$")
                string(REGEX REPLACE "(^|\n)  " "\\1" lines "${CMAKE_MATCH_1}")
                string(APPEND cli_examples "${lines}")
            endif()
            # The options every command shares stand once, in the description.
            string(REGEX REPLACE "\nGlobal options:.*" "\n" text "${text}")
            verbatim(text "${text}")
            string(APPEND page ".SS ${command}\n${text}")
        endif()
    endforeach()
endif()

if(cli_examples)
    verbatim(examples "${cli_examples}")
endif()
string(APPEND page ".SH EXAMPLES\n${examples}"
       ".SH ENVIRONMENT\n${environment}${extra_environment}"
       ".SH EXIT STATUS\n${exit_status}"
       ".SH FILES\n${files}")
file(WRITE ${OUT} "${page}")
