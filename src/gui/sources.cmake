list(APPEND YAV_UI_SOURCES
  gui/messages.cpp gui/messages.h
  gui/fonts.cpp gui/fonts.h
  gui/widgets.cpp gui/widgets.h
  gui/savetext.cpp gui/savetext.h
  gui/printtext.cpp gui/printtext.h
  gui/qtext.h)
