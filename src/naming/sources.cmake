list(APPEND YAV_CORE_SOURCES
  naming/lookups.cpp naming/lookups.h
  naming/plans.cpp naming/plans.h
  naming/namerun.cpp naming/namerun.h
  naming/resultlist.cpp naming/resultlist.h)
list(APPEND YAV_UI_SOURCES
  naming/VevizeMain.cpp naming/VevizeMain.h naming/VevizeMain.ui
  naming/namingthread.cpp naming/namingthread.h)
