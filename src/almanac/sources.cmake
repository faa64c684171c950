list(APPEND YAV_CORE_SOURCES
  almanac/DateCn.cpp almanac/DateCn.h
  almanac/monthgrid.cpp almanac/monthgrid.h)
list(APPEND YAV_UI_SOURCES
  almanac/DateWin.cpp almanac/DateWin.h almanac/DateWin.ui)
