list(APPEND YAV_CORE_SOURCES
  core/gbk.cpp core/gbk.h
  core/database.cpp core/database.h
  core/datafiles.cpp core/datafiles.h)
list(APPEND YAV_CORE_SOURCES core/savefile.cpp core/savefile.h)
