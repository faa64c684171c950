list(APPEND YAV_CORE_SOURCES
  almanac/DateCn.cpp almanac/DateCn.h
  almanac/monthgrid.cpp almanac/monthgrid.h)
