#include "Expressions.h"

#include "CoreTestHelpers.h"
#include "ValueTexts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace expressions_test {

TEST(EvaluateArithmetic, SplitsAtTheFirstOperatorOfEachLevel) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"2*(3+4)", 14},  {"8-4-2", 6},               // right grouping
        {"8/4/2", 4},     {"-5", -5},                 // subtracted from an empty operand
        {"", 0},          {"1+2*3", 7}, {"2*3-1", 5}, // "-" binds weaker than "*"
        {"((1+2))*2", 6}, {"(2", 0},                  // an unmatched "(" stays and reads as 0
        {" 2.5 * 2", 5},  {"abc", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(EvaluateArithmetic("1/0")));
    const double before = NowAsDateTime();
    const double now = EvaluateArithmetic("now");
    EXPECT_GE(now, before);
    EXPECT_LE(now, NowAsDateTime());
}

TEST(EvaluateCondition, CombinesComparisons) {
    struct Case {
        const char* text;
        bool value;
    } cases[] = {
        {"1=1|2=3", true},        {"1=2&2=2", false},
        {"!1=2", true},           {"true", true},
        {"FALSE", false},         {"1=2|2=2&3=3", true},     // "&" binds tighter
        {"(1=2|2=2)&3=4", false}, {"\"a&b\"=\"a&b\"", true}, // the operator lies in the first quoted pair
        {"!(1=1)", false},        {"abc<abd", true},
        {"10<9", true},   // texts, not numbers
        {"a=b<>c", true}, // "<>" is looked for before "="
        {" x = x ", true},        {"2>=2", true},
        {"2<=1", false},          {"b>a", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateCondition(c.text), c.value) << c.text;
}

TEST(EvaluateCondition, OperandThatIsNoTruthValueRaises) {
    for (const char* bad : {"maybe", "", " true"}) {
        RaisedError e = Raised([&] { EvaluateCondition(bad); });
        EXPECT_EQ(e.Code, -1) << bad;
        EXPECT_EQ(e.Message, " Bad logic operand!");
    }
}

TEST(ExpressionTexts, SplitUnquoteReplaceAndSpan) {
    std::string left = "l", right = "r";
    EXPECT_EQ(SplitAtOperator({"<>", "="}, "a=b<>c", left, right), 0);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
    EXPECT_EQ(SplitAtOperator({">"}, "a=b", left, right), -1);
    EXPECT_EQ(left, "a=b");

    struct Quote {
        const char* text;
        const char* unquoted;
    } quotes[] = {{"", ""}, {"\"", ""}, {"\"\"", ""}, {"\"ab\"", "ab"}, {"\"ab", "\"ab"}, {"ab", "ab"}};
    for (const Quote& q : quotes)
        EXPECT_EQ(Unquote(q.text), q.unquoted) << q.text;

    EXPECT_EQ(ReplaceAll("[X][X]", "[X]", "ab"), "abab");
    EXPECT_EQ(ReplaceAll("[X]", "[X]", "[X][X]"), "[X][X]"); // no rescan
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("Receive at [TIME].", "[TIME]", "10:00"), "Receive at 10:00.");

    struct Span {
        const char* text;
        int start;
        int end;
    } spans[] = {{"%i{n1x255}", 7, 9}, {"12345x", 1, 5}, {"12345", 2, 5},
                 {"x1", 1, 0},         {"12", 3, 0},     {"12", 0, 0}};
    for (const Span& s : spans)
        EXPECT_EQ(SpanOf(s.text, s.start, "0123456789"), s.end) << s.text << " " << s.start;
}

} // namespace expressions_test
