#include "VqSNMPError.h"

#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <climits>

namespace vq_snmp_error_test {

TEST(MapSnmpStatus, MapsEveryRangeAtItsBoundaries) {
    struct Case {
        int status;
        int code;
        const char* message;
    } cases[] = {
        {0, 0, "Ok!"},
        {1400, 0, "Ok!"},
        {-1401, 0, "Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "Unknown error code!"},
        {1399, -528, "Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1408, -308, "(SNMPv3USM) Authentication failure!"},
        {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "Unknown error code!"},
        {-1400, -528, "Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-8, -408, "(SNMPClass) Closing session with outstanding requests!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "Unknown error code!"},
        {-1531, -531,
         "Not sent: the SNMPv3 user's requests with other passwords or security level were still waiting for "
         "replies!"},
        {-1530, -528, "Unknown error code!"},
        {INT_MIN, -528, "Unknown error code!"},
        {INT_MAX, -528, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        int code = 1;
        std::string message;
        MapSnmpStatus(c.status, code, message);
        EXPECT_EQ(code, c.code) << c.status;
        EXPECT_EQ(message, c.message) << c.status;
    }
}

TEST(MapSnmpStatus, ReportsTheLoadedTextOfTheCode) {
    SnmpClassMessages.Replace({"first", "second", "third", "fourth", "Zeitüberschreitung"});
    int code = 0;
    std::string message;
    MapSnmpStatus(-5, code, message);
    SnmpClassMessages.RestoreBuiltin();
    EXPECT_EQ(code, -405);
    EXPECT_EQ(message, "Zeitüberschreitung");
}

TEST(JoinPath, PutsExactlyOneSeparator) {
    struct Case {
        const char* directory;
        const char* expected;
    } cases[] = {
        {"", "VqSNMP_PP_BootCounter"},
        {"/var/tmp", "/var/tmp/VqSNMP_PP_BootCounter"},
        {"/var/tmp/", "/var/tmp/VqSNMP_PP_BootCounter"},
        {"/", "/VqSNMP_PP_BootCounter"},
        {"rel", "rel/VqSNMP_PP_BootCounter"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinPath(c.directory, "VqSNMP_PP_BootCounter"), c.expected) << c.directory;
}

TEST(IntPower, MultipliesAndWrapsLikeA32BitInteger) {
    struct Case {
        int base;
        unsigned exponent;
        int expected;
    } cases[] = {
        {7, 0, 1},        {0, 0, 1},  {2, 10, 1024},         {-3, 3, -27},       {10, 9, 1000000000},
        {2, 31, INT_MIN}, {2, 32, 0}, {-1, 4000000001u, -1}, {256, 3, 16777216},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntPower(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
}

} // namespace vq_snmp_error_test
