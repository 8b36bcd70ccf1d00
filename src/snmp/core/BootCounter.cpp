#include "BootCounter.h"

#include "FileBytes.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string HexOf(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameHex(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string_view> Lines(std::string_view content) {
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        size_t end = content.find('\n');
        lines.push_back(content.substr(0, end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    return lines;
}

// Whether the line is the engine's; `rest` gets what follows the ID.
bool IsEngineLine(std::string_view line, std::string_view hexId, std::string_view& rest) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#')
        return false;
    size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    if (!SameHex(line.substr(0, end), hexId))
        return false;
    rest = Trimmed(line.substr(end));
    return true;
}

} // namespace

int ParseBootCounter(std::string_view content, const std::string& engineId, unsigned& boots) {
    boots = 0;
    const std::string hexId = HexOf(engineId);
    for (std::string_view line : Lines(content)) {
        std::string_view rest;
        if (!IsEngineLine(line, hexId, rest))
            continue;
        unsigned count = 0;
        auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), count);
        if (rest.empty() || ec != std::errc() || end != rest.data() + rest.size() || count > kMaxEngineBoots)
            return kBootCounterBadLine;
        boots = count;
        return kBootCounterFound;
    }
    return kBootCounterNoLine;
}

std::string UpdateBootCounter(std::string_view content, const std::string& engineId, unsigned boots) {
    const std::string hexId = HexOf(engineId);
    const std::string ours = hexId + ' ' + std::to_string(boots);
    std::string result;
    bool replaced = false;
    for (std::string_view line : Lines(content)) {
        std::string_view rest;
        if (IsEngineLine(line, hexId, rest)) {
            if (replaced)
                continue; // a later duplicate would only contradict the count
            result += ours;
            replaced = true;
        } else {
            result += line;
        }
        result += '\n';
    }
    if (!replaced)
        result += ours + '\n';
    return result;
}

int ReadBootCounter(const std::string& file, const std::string& engineId, unsigned& boots) {
    boots = 0;
    std::string content;
    if (ReadFileBytes(file, content) != FileRead::Ok)
        return kBootCounterNoFile;
    return ParseBootCounter(content, engineId, boots);
}

int SaveBootCounter(const std::string& file, const std::string& engineId, unsigned boots) {
    // A file that is not there yet starts empty; one that cannot be read must not be replaced
    // by a file that lost its other engines' lines.
    std::string content;
    if (ReadFileBytes(file, content) == FileRead::ReadError)
        return kBootCounterNoFile;
    const std::string updated = UpdateBootCounter(content, engineId, boots);
    // Written beside the file and renamed over it: a failed write never leaves half a file.
    const std::string temporary = file + ".new";
    {
        File out(std::fopen(temporary.c_str(), "wb"), &std::fclose);
        if (!out)
            return kBootCounterNoFile;
        bool written = std::fwrite(updated.data(), 1, updated.size(), out.get()) == updated.size();
        if (std::fclose(out.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return kBootCounterNoFile;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return kBootCounterNoFile;
    }
    return kBootCounterFound;
}
