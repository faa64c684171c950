list(APPEND YAV_CORE_SOURCES
  naming/lookups.cpp naming/lookups.h)
list(APPEND YAV_UI_SOURCES
  naming/VevizeMain.cpp naming/VevizeMain.h naming/VevizeMain.ui)
