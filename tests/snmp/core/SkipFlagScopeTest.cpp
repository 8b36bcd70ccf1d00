#include "SkipFlagScope.h"

#include "SimTest.h"
#include "VqSNMPSession.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace skip_flag_scope_test {

namespace {

const std::string kEntry = "1.3.6.1.4.1.746.11.117.2.1.3.20.1";
const std::string kType = kEntry + ".3";
const std::string kMetric = kEntry + ".4";
const std::string kStatus = kEntry + ".5";

// A table whose Type is read-only in the catalogue while the agent takes it in the PDU that
// creates its row (and refuses it in any other).
const MibTableRow kTable[] = {
    {" ", "Source", itInteger, acNotAccess},
    {" ", "Destination", itInteger, acNotAccess},
    {kType.c_str(), "Type", itInteger, acReadOnly},
    {kMetric.c_str(), "Metric", itGauge, acReadWrite},
    {kStatus.c_str(), "Row Status", itInteger, acReadWrite},
    {},
};
constexpr int kTypeColumn = 2;
constexpr int kMetricColumn = 3;

class SkipFlagScopeTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        Agent().LoadScenario(R"({"tables": [{"entry": ")" + kEntry +
                             R"(", "columns": [[3, "int", "createonly", 3], [4, "gauge", "rw", 0],)"
                             R"( [5, "rowstatus"]], "rows": []}]})");
        Request = std::make_unique<VqSNMPRequest>();
        Request->VarList = VqSNMPVarList(kTable, MVT_UMV, 2);
        Request->VarList.Kind = MVT_SV; // the row 4.2 alone
        Request->VarList.Instance = "4.2";
    }
    void Values(const char* type, const char* metric, const char* status) {
        Request->VarList.GetVariable(kTypeColumn).ValueText = type;
        Request->VarList.GetVariable(kMetricColumn).ValueText = metric;
        Request->VarList.GetVariable(4).ValueText = status;
    }
    void Write() {
        bool ok = false;
        VqSNMPError error;
        Request->WriteSync(ok, error, "", nullptr);
        EXPECT_TRUE(ok) << error.Message;
    }
    std::vector<int> Words() const {
        std::vector<int> words;
        for (int i = 0; i < Request->VarList.GetCount(); ++i) {
            words.push_back(Request->VarList.GetVariable(i).Access);
        }
        return words;
    }
    QTemporaryDir Dir;
    std::unique_ptr<VqSNMPRequest> Request;
};

} // namespace

// The granted column goes out with the row's creation; afterwards it has its read-only word back
// and the next SET of the row leaves it out (the agent would refuse the whole PDU).
TEST_F(SkipFlagScopeTest, AGrantedReadOnlyColumnGoesOutInOneWriteOnly) {
    const std::vector<int> before = Words();
    Values("1", "5", "4");
    {
        SkipFlagScope scope(*Request);
        scope.GrantWrite(kTypeColumn);
        Write();
    }
    EXPECT_EQ(Words(), before);
    Values("2", "6", "1");
    Write();
    ASSERT_EQ(Agent().SetLog().size(), 2u);
    EXPECT_EQ(Agent().SetLog()[0].VarBinds, (std::vector<SimVarBind>{{kType + ".4.2", SimValue::Int(1)},
                                                                     {kMetric + ".4.2", SimValue{"66", "5"}},
                                                                     {kStatus + ".4.2", SimValue::Int(4)}}));
    EXPECT_EQ(Agent().SetLog()[1].VarBinds, (std::vector<SimVarBind>{{kMetric + ".4.2", SimValue{"66", "6"}},
                                                                     {kStatus + ".4.2", SimValue::Int(1)}}));
    EXPECT_EQ(Agent().Value(kType + ".4.2"), SimValue::Int(1));
}

// Grants and flags together, the same column both granted and flagged: every word comes back as
// it was when an exception leaves the write, and nothing is touched once the request is gone.
TEST_F(SkipFlagScopeTest, GrantsAndFlagsComeBackOnTheExceptionPathAndNotAfterTheRequest) {
    const std::vector<int> before = Words();
    try {
        SkipFlagScope scope(*Request);
        scope.GrantWrite(kTypeColumn);
        scope.Skip(kTypeColumn);
        scope.Skip(kMetricColumn);
        EXPECT_EQ(Request->VarList.GetVariable(kTypeColumn).Access, acReadWrite | acInvalid);
        throw std::runtime_error("the write failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Words(), before);

    auto scope = std::make_unique<SkipFlagScope>(*Request);
    scope->GrantWrite(kTypeColumn);
    Request.reset();
    scope.reset(); // no request to give the word back to
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace skip_flag_scope_test
