list(APPEND YAV_CORE_SOURCES
  numerology/pinyin_data.cpp numerology/pinyin_data.h)
list(APPEND YAV_CORE_SOURCES
  numerology/grids.cpp numerology/grids.h
  numerology/numberreading.cpp numerology/numberreading.h
  numerology/talent.cpp numerology/talent.h
  numerology/analysis.cpp numerology/analysis.h)
list(APPEND YAV_UI_SOURCES
  numerology/Unt_Main.cpp numerology/Unt_Main.h numerology/Unt_Main.ui)
