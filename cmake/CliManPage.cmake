# Writes the manual page of orvanel-cli from the program's own help, so that the page says
# what the commands do in the words they use themselves: the general help, then each
# command's help as it prints it.
#   cmake -DCLI=path/to/orvanel-cli -DVERSION=1.5.0 -DOUT=orvanel-cli.1 -P CliManPage.cmake

function(help out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
                          ${CLI} ${ARGN} --help
                  OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR text STREQUAL "")
    message(FATAL_ERROR "orvanel-cli ${ARGN} --help: status ${status}\n${errors}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text as troff shows it unchanged: backslashes escaped, no line taken for a request, and a
# hyphen that is typed as one (options, dates) written as the minus that copies as "-".
function(troff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

help(general)
# "Kullanım: ...", the one-line description, then the list of commands.
string(REGEX MATCH "^[^\n]*\n([^\n]*)\n" _ "${general}")
string(REGEX REPLACE "\\.$" "" summary "${CMAKE_MATCH_1}")
string(REGEX MATCH "\n\n.*$" body "${general}")
string(STRIP "${body}" body)
troff(summary "${summary}")
troff(body "${body}")

set(page "'\\\" -*- coding: utf-8 -*-
.TH ORVANEL\\-CLI 1 \"\" \"Orvanel ${VERSION}\" \"Kullanıcı Komutları\"
.nh
.SH AD
orvanel\\-cli \\- ${summary}
.SH ÖZET
.B orvanel\\-cli
.I KOMUT
.RI [ seçenekler ]
.SH AÇIKLAMA
.nf
${body}
.fi
.SH KOMUTLAR
")

# Each command is the first name on its line of the list ("timetable, imsakiye"), hyphens and
# all ("religious-days").
string(REGEX MATCHALL "\n  [a-z-]+" names "${general}")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  help(text ${name})
  troff(text "${text}")
  string(STRIP "${text}" text)
  string(APPEND page ".SS ${name}\n.nf\n${text}\n.fi\n")
endforeach()

string(APPEND page ".SH DOSYALAR
.TP
.I /usr/share/orvanel/data.db
Programla gelen konumlar.
.TP
.I ~/.local/share/Orvanel/data.db
Kullanıcının eklediği konumlarla birlikte kendi kopyası; ilk konum eklenirken
.RB ( add )
kurulu dosyadan oluşturulur ve o andan sonra onun yerine okunur.
.TP
.I ~/.config/Orvanel/Orvanel.ini
Ayarlar: kayıtlı yer, hesap yöntemi ve uyarı seçenekleri.
.SH BAKINIZ
.BR orvanel (1)
")
file(WRITE ${OUT} "${page}")
