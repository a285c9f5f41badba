# SPDX-FileCopyrightText: 2026 Kavelo developers
# SPDX-License-Identifier: MIT
# kavelo_rfc2822_date(<YYYY-MM-DD> <variable>): the day as a Debian changelog writes
# it, "Tue, 08 Dec 2026 00:00:00 +0000". The weekday comes from Sakamoto's method, so
# the release date needs writing down only once, in ISO form.
function(kavelo_rfc2822_date iso variable)
  if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
    message(FATAL_ERROR "release date \"${iso}\" is not YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(month_text ${CMAKE_MATCH_2})
  set(day_text ${CMAKE_MATCH_3})
  string(REGEX REPLACE "^0" "" month ${month_text})
  string(REGEX REPLACE "^0" "" day ${day_text})
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(day_names Sun Mon Tue Wed Thu Fri Sat)
  math(EXPR index "${month} - 1")
  list(GET month_offsets ${index} offset)
  list(GET month_names ${index} month_name)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${year} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  list(GET day_names ${weekday} day_name)
  set(${variable} "${day_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
