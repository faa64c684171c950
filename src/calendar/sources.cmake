list(APPEND YAV_CORE_SOURCES
  core/dates.cpp core/dates.h
  calendar/hxCalendar.cpp calendar/hxCalendar.h
  calendar/starsign.cpp calendar/starsign.h)
