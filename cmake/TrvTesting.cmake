include(GoogleTest)

# Every test process gets a private Net-SNMP environment (no MIBs, no config, no persistent files
# outside the build tree) and draws widgets offscreen.
set(TRV_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
file(MAKE_DIRECTORY ${TRV_TEST_HOME})
set(TRV_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "MIBS="
    "MIBDIRS=${TRV_TEST_HOME}"
    "SNMPCONFPATH=${TRV_TEST_HOME}"
    "SNMP_PERSISTENT_DIR=${TRV_TEST_HOME}"
    "TRVSIM_DATA_DIR=${CMAKE_SOURCE_DIR}/sim/data")

# trv_add_gtest(<name> SOURCES ... LIBS ...)
function(trv_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock trvtest_qtmain)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${TRV_TEST_ENVIRONMENT}" TIMEOUT 120)
endfunction()
