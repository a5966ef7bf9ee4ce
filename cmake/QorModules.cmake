# qor_module(NAME [DEPS core-libs...] [UI_DEPS libs...])
#
# Builds one subsystem folder into two static libraries:
#   qor_<NAME>     the plain C++ files at the folder's root (no Qt)
#   qor_<NAME>_ui  the files in ui/ (Qt widgets and panels), when present
# and one test executable, <NAME>_tests, from every *_test.cpp of the folder
# and of its ui/ folder. Files are found by globbing so that adding a class
# needs no edit here.
function(qor_module NAME)
  cmake_parse_arguments(M "" "" "DEPS;UI_DEPS;TEST_DEPS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})

  file(GLOB core_src CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER core_src EXCLUDE REGEX "_test\\.cpp$")
  file(GLOB core_tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  file(GLOB ui_src CONFIGURE_DEPENDS ${dir}/ui/*.cpp)
  list(FILTER ui_src EXCLUDE REGEX "_test\\.cpp$")
  file(GLOB ui_tests CONFIGURE_DEPENDS ${dir}/ui/*_test.cpp)
  file(GLOB ui_hdr CONFIGURE_DEPENDS ${dir}/ui/*.h)

  add_library(qor_${NAME} STATIC ${core_src})
  target_include_directories(qor_${NAME} PUBLIC ${PROJECT_SOURCE_DIR}/Source)
  target_compile_options(qor_${NAME} PRIVATE ${QOR_WARNINGS})
  target_link_libraries(qor_${NAME} PUBLIC ${M_DEPS})

  set(test_libs qor_${NAME})
  if(ui_src)
    add_library(qor_${NAME}_ui STATIC ${ui_src} ${ui_hdr})
    set_target_properties(qor_${NAME}_ui PROPERTIES AUTOMOC ON)
    target_compile_options(qor_${NAME}_ui PRIVATE ${QOR_WARNINGS})
    target_link_libraries(qor_${NAME}_ui PUBLIC qor_${NAME} ${M_UI_DEPS} Qt6::Widgets)
    list(APPEND test_libs qor_${NAME}_ui Qt6::Test)
  endif()
  if(ui_tests)
    set(test_main qor_uitestmain)
  else()
    set(test_main qor_testmain)
  endif()

  if(QOR_TESTS AND (core_tests OR ui_tests))
    add_executable(${NAME}_tests ${core_tests} ${ui_tests})
    set_target_properties(${NAME}_tests PROPERTIES AUTOMOC ON)
    target_compile_options(${NAME}_tests PRIVATE ${QOR_WARNINGS})
    target_compile_definitions(${NAME}_tests PRIVATE
      QOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QOR_RESOURCES_DIR="${QOR_RESOURCES_DIR}")
    target_link_libraries(${NAME}_tests PRIVATE ${test_libs} ${M_TEST_DEPS} ${test_main})
    gtest_discover_tests(${NAME}_tests
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
