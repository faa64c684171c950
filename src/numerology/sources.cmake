list(APPEND YAV_CORE_SOURCES
  numerology/pinyin_data.cpp numerology/pinyin_data.h)
