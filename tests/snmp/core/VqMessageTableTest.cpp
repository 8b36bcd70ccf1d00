#include "VqMessageTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace vq_message_table_test {

namespace {

class MessageFile : public ::testing::Test {
protected:
    void TearDown() override {
        for (VqMessageTable* table : AllMessageTables)
            table->RestoreBuiltin();
    }
    std::string Write(const std::string& content) {
        std::string path = Dir.path().toStdString() + "/table.err";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::vector<std::string> Entries(const VqMessageTable& table) {
        std::vector<std::string> entries;
        for (int i = 0; i < table.Count(); ++i)
            entries.push_back(table.Entry(i));
        return entries;
    }
    QTemporaryDir Dir;
};

} // namespace

TEST(MessageTables, HaveTheirSizesAndFiles) {
    struct Case {
        const VqMessageTable* table;
        int count;
        const char* file;
        const char* last;
    } cases[] = {
        {&CommonMessages, 26, "errmsg/common.err", " Please enter a valid unicast MAC address!"},
        {&SnmpMessages, 18, "errmsg/snmp.err", "(SNMP) Cannot create variable, Inconsistent Name!"},
        {&SnmpV3Messages, 17, "errmsg/snmpv3.err", "(SNMPv3) Report sent!"},
        {&SnmpUsmMessages, 14, "errmsg/snmpusm.err", "(SNMPv3USM) Address error!"},
        {&SnmpClassMessages, 23, "errmsg/snmpclass.err", "(SNMPClass) Blocked Mode Shutdown!"},
        {&VqSnmpMessages, 32, "errmsg/vqsnmp.err",
         "Not sent: the SNMPv3 user's requests with other passwords or security level were still waiting for "
         "replies!"},
        {&StatusTemplates, 2, "errmsg/snmp.msg", "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    };
    ASSERT_EQ(std::size(AllMessageTables), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(AllMessageTables[i], c.table) << c.file;
        EXPECT_EQ(c.table->Count(), c.count) << c.file;
        EXPECT_STREQ(c.table->FileName, c.file);
        EXPECT_EQ(c.table->Entry(c.count - 1), c.last) << c.file;
        EXPECT_EQ(c.table->Entry(c.count), "Unknown error code!") << c.file;
        EXPECT_EQ(c.table->Entry(-1), "Unknown error code!") << c.file;
    }
    EXPECT_EQ(CommonMessages.Entry(9),
              " Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is less than [MAXCOUNT]!");
}

TEST_F(MessageFile, NonEmptyLinesReplaceEntriesInOrder) {
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> expected; // the three first entries of SnmpMessages afterwards
    } cases[] = {
        {"blank lines skipped", "one\n\n   \n\t\ntwo\nthree\n", {"one", "two", "three"}},
        {"CR LF", "one\r\ntwo\r\n\r\nthree\r\n", {"one", "two", "three"}},
        {"leading blanks kept", "  one\n\ttwo \nthree", {"  one", "\ttwo ", "three"}},
        {"last line without break", "one\ntwo\nthree", {"one", "two", "three"}},
        {"short file keeps the rest",
         "one\n",
         {"one", "(SNMP) Variable does not exist!", "(SNMP) Cannot modify variable: Bad Value!"}},
        {"only blank lines",
         "\n  \r\n\t\n",
         {"(SNMP) Response PDU Too Big!", "(SNMP) Variable does not exist!",
          "(SNMP) Cannot modify variable: Bad Value!"}},
        {"empty file",
         "",
         {"(SNMP) Response PDU Too Big!", "(SNMP) Variable does not exist!",
          "(SNMP) Cannot modify variable: Bad Value!"}},
    };
    for (const Case& c : cases) {
        LoadMessageTable(SnmpMessages, Write(c.content));
        std::vector<std::string> entries = Entries(SnmpMessages);
        entries.resize(3);
        EXPECT_EQ(entries, c.expected) << c.name;
        EXPECT_EQ(SnmpMessages.Entry(17), "(SNMP) Cannot create variable, Inconsistent Name!") << c.name;
        SnmpMessages.RestoreBuiltin();
    }
}

TEST_F(MessageFile, MissingFileOrFolderLeavesTheTable) {
    StatusTemplates.Replace({"earlier"});
    LoadMessageTable(StatusTemplates, Dir.path().toStdString() + "/missing.msg");
    LoadMessageTable(StatusTemplates, Dir.path().toStdString());
    EXPECT_EQ(Entries(StatusTemplates),
              (std::vector<std::string>{"earlier", "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."}));
}

TEST_F(MessageFile, OneLineTemplateFileReplacesOnlyTheGetTemplate) {
    LoadMessageTable(StatusTemplates, Write("Lesen: [ERROR] [VARLIST] [TIME]\r\n"));
    EXPECT_EQ(Entries(StatusTemplates), (std::vector<std::string>{
                                            "Lesen: [ERROR] [VARLIST] [TIME]",
                                            "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
                                        }));
}

TEST_F(MessageFile, LinesPastTheTableAreIgnored) {
    LoadMessageTable(StatusTemplates, Write("get\nset\nthird\nfourth\n"));
    EXPECT_EQ(Entries(StatusTemplates), (std::vector<std::string>{"get", "set"}));
}

TEST_F(MessageFile, LongLineArrivesInPiecesOf1023) {
    std::string longLine(1023, 'a');
    longLine += "bc";
    LoadMessageTable(SnmpMessages, Write(longLine + "\nnext\n"));
    EXPECT_EQ(SnmpMessages.Entry(0), std::string(1023, 'a'));
    EXPECT_EQ(SnmpMessages.Entry(1), "bc");
    EXPECT_EQ(SnmpMessages.Entry(2), "next");
}

TEST_F(MessageFile, LoadedTextReachesMessageOfCode) {
    LoadMessageTable(CommonMessages, Write(" Gut!\n Falscher Operand!\n"));
    EXPECT_EQ(MessageOfCode(-1), " Falscher Operand!");
    EXPECT_EQ(MessageOfCode(-2), " Bad format specifier of edit's constraint!");
    // Code 0 is the framework's own success text, not the common table's.
    EXPECT_EQ(MessageOfCode(0), "Ok!");
}

} // namespace vq_message_table_test
