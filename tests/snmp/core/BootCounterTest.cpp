#include "BootCounter.h"

#include "FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace boot_counter_test {

namespace {

const std::string kEngine = "VqSNMP_PP_Application";
const std::string kEngineHex = "5671534E4D505F50505F4170706C69636174696F6E";

} // namespace

TEST(BootCounter, ParsesOnlyTheEnginesOwnLine) {
    struct Case {
        const char* name;
        std::string content;
        int result;
        unsigned boots;
    } cases[] = {
        {"empty", "", kBootCounterNoLine, 0},
        {"other engines only", "80001F8880 7\n# 5671534E4D505F50505F4170706C69636174696F6E 9\n",
         kBootCounterNoLine, 0},
        {"our line", "80001F8880 7\n" + kEngineHex + " 41\n", kBootCounterFound, 41},
        {"lower-case hex, CR LF, blanks", "  5671534e4d505f50505f4170706c69636174696f6e\t12 \r\n",
         kBootCounterFound, 12},
        {"largest count", kEngineHex + " 2147483647\n", kBootCounterFound, 2147483647u},
        {"count too large", kEngineHex + " 2147483648\n", kBootCounterBadLine, 0},
        {"count overflows", kEngineHex + " 99999999999999999999\n", kBootCounterBadLine, 0},
        {"not decimal", kEngineHex + " 0x10\n", kBootCounterBadLine, 0},
        {"negative", kEngineHex + " -1\n", kBootCounterBadLine, 0},
        {"no count", kEngineHex + "\n", kBootCounterBadLine, 0},
        {"two numbers", kEngineHex + " 1 2\n", kBootCounterBadLine, 0},
        {"longer ID is another engine", kEngineHex + "00 5\n", kBootCounterNoLine, 0},
    };
    for (const Case& c : cases) {
        unsigned boots = 99;
        EXPECT_EQ(ParseBootCounter(c.content, kEngine, boots), c.result) << c.name;
        EXPECT_EQ(boots, c.boots) << c.name;
    }
}

TEST(BootCounter, RewriteKeepsOtherLinesAndComments) {
    const std::string before = "# engine boots\n80001F8880 7\n\n" + kEngineHex + " 3\n# end\n";
    EXPECT_EQ(UpdateBootCounter(before, kEngine, 4),
              "# engine boots\n80001F8880 7\n\n" + kEngineHex + " 4\n# end\n");
    EXPECT_EQ(UpdateBootCounter("80001F8880 7", kEngine, 1), "80001F8880 7\n" + kEngineHex + " 1\n");
    EXPECT_EQ(UpdateBootCounter(kEngineHex + " 3\n" + kEngineHex + " 8\n", kEngine, 4), kEngineHex + " 4\n");
}

TEST(BootCounter, FilesAreReadAndReplacedWhole) {
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/counter";
    unsigned boots = 5;
    EXPECT_EQ(ReadBootCounter(file, kEngine, boots), kBootCounterNoFile);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(SaveBootCounter(file, kEngine, 1), kBootCounterFound);
    EXPECT_EQ(ReadBootCounter(file, kEngine, boots), kBootCounterFound);
    EXPECT_EQ(boots, 1u);
    EXPECT_EQ(SaveBootCounter(dir.path().toStdString() + "/missing/counter", kEngine, 1), kBootCounterNoFile);
    // A folder in the file's place can be neither read nor replaced.
    EXPECT_EQ(ReadBootCounter(dir.path().toStdString(), kEngine, boots), kBootCounterNoFile);
    EXPECT_EQ(SaveBootCounter(dir.path().toStdString(), kEngine, 1), kBootCounterNoFile);
    std::string content;
    ASSERT_EQ(ReadFileBytes(file, content), FileRead::Ok);
    EXPECT_EQ(content, kEngineHex + " 1\n");
}

} // namespace boot_counter_test
