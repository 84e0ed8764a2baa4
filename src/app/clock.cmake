target_sources(tesorin_core PRIVATE ${CMAKE_SOURCE_DIR}/src/app/Clock.cpp ${CMAKE_SOURCE_DIR}/src/app/Clock.h)
