#include "VqException.h"

#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace vq_exception_test {

namespace {

VqException Raised(int code) {
    try {
        RaiseVqError(code);
    } catch (const VqException& e) {
        return e;
    }
    return VqException("not raised", 1);
}

} // namespace

TEST(RaiseVqError, CarriesTheCodeAndTheTextOfItsTable) {
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {-12, " Out of range at index of array or list!"},
        {-25, " Please enter a valid unicast MAC address!"},
        {-102, "(SNMP) Variable does not exist!"},
        {-217, "(SNMPv3) Report sent!"},
        {-314, "(SNMPv3USM) Address error!"},
        {-405, "(SNMPClass) SNMP request timed out!"},
        {-501, "Fail to read SNMP variables from file([FILENAME])!"},
        {-509, "Invalid IP Address or DNS name!"},
        {-528, "Unknown error code!"},
        {-26, "Unknown error code!"},
        {-100, "Unknown error code!"},
        {-529, "Agent returned a non-increasing OID!"},
        {-530, "Agent returned fewer SNMP variables than requested!"},
        {-531,
         "Not sent: the SNMPv3 user's requests with other passwords or security level were still waiting "
         "for replies!"},
        {-532, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        VqException e = Raised(c.code);
        EXPECT_EQ(e.Code(), c.code);
        EXPECT_STREQ(e.what(), c.text) << c.code;
    }
}

TEST(RaiseVqError, UsesAReplacedTable) {
    VqSnmpMessages.Replace({"Gut!", "a", "b", "c", "d", "e", "Keine Sitzung!"});
    VqException e = Raised(-506);
    VqException later = Raised(-507);
    VqSnmpMessages.RestoreBuiltin();
    EXPECT_STREQ(e.what(), "Keine Sitzung!");
    EXPECT_STREQ(later.what(), "Error when loading SNMP engine boots counter!");
    // Catchable as a standard exception, as the widget layer's dispatch wrapper does.
    EXPECT_THROW(RaiseVqError(-506), std::exception);
}

} // namespace vq_exception_test
