// The seven message tables: a fixed number of texts each, built in, replaceable entry by entry
// from a text file at start-up so that the program's words can be changed without a rebuild.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class VqMessageTable {
public:
    constexpr VqMessageTable(const char* const* builtin, int count, const char* fileName)
        : FileName(fileName), Builtin(builtin), EntryCount(count) {}

    VqMessageTable(const VqMessageTable&) = delete;
    VqMessageTable& operator=(const VqMessageTable&) = delete;

    // The file that replaces the table, relative to the current directory ("errmsg/common.err").
    const char* const FileName;

    int Count() const { return EntryCount; }
    // The entry's current text; an index outside the table gives "Unknown error code!".
    std::string Entry(int index) const;
    // The first lines replace the first entries; entries past the lines keep their built-in text,
    // lines past the table are ignored.
    void Replace(std::vector<std::string> lines);
    void RestoreBuiltin() { Replaced.clear(); }

private:
    const char* const* Builtin;
    int EntryCount;
    std::vector<std::string> Replaced;
};

extern VqMessageTable CommonMessages;    // codes 0 to -25: expressions, edit constraints, input checks
extern VqMessageTable SnmpMessages;      // codes -101 to -118: the error status of a reply
extern VqMessageTable SnmpV3Messages;    // codes -201 to -217: SNMPv3 message processing
extern VqMessageTable SnmpUsmMessages;   // codes -301 to -314: user-based security
extern VqMessageTable SnmpClassMessages; // codes -401 to -423: the SNMP library (time-out -405)
extern VqMessageTable VqSnmpMessages;    // 0 and codes -501 to -531: the framework's own
extern VqMessageTable StatusTemplates;   // 0 the Get template, 1 the Set template

// The seven tables in the order in which the main window loads them.
extern VqMessageTable* const AllMessageTables[7];

enum : int {
    kStatusTemplateGet = 0,
    kStatusTemplateSet = 1,
};

// Replaces `table` by the non-empty lines of the file at `path` (Replace above). A file that
// cannot be opened or holds no non-empty line leaves the table as it is, without a report.
void LoadMessageTable(VqMessageTable& table, const std::string& path);

// The entries a message file's content gives: its lines that are not empty after trimming
// blanks and control characters, each without its line break (LF or CR LF) but otherwise as
// written; a line longer than 1,023 characters counts as pieces of 1,023.
std::vector<std::string> MessageFileLines(std::string_view content);

// The current text of a program code (0 is the framework's "Ok!"); codes that no table covers
// give "Unknown error code!".
std::string MessageOfCode(int code);
