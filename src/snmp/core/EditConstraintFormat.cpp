#include "EditConstraintFormat.h"

#include "StrictNumbers.h"
#include "VqException.h"

#include <cfloat>
#include <optional>

namespace {

constexpr int kBadFormat = -2;

[[noreturn]] void RaiseConversionError(std::string_view run, const char* what) {
    throw VqException("'" + std::string(run) + "' is not a valid " + what, kBadFormat);
}

// Reads the options between the braces, one letter and its argument after another.
class OptionReader {
public:
    OptionReader(std::string_view options, EditConstraintFormat& format) : Text(options), Format(format) {}

    void ReadAll() {
        while (Pos < Text.size()) {
            char letter = Text[Pos++];
            switch (letter) {
            case 'n':
                Format.Minimum = Float(Run("-0123456789."));
                break;
            case 'x':
                Format.Maximum = Float(Run("-0123456789."));
                break;
            case 'l':
                Format.MaxLength = Integer(Run("0123456789"));
                // Read greedily, so an "n" right after l's number is l's flag, not the minimum.
                for (int i = 0; i < 3 && Pos < Text.size(); ++i, ++Pos) {
                    char flag = Text[Pos];
                    if (flag != 'a' && flag != 'f' && flag != 'n') {
                        break;
                    }
                    // A repeated letter counts once: adding it twice would make another flag.
                    Format.LengthFlags |= flag == 'a' ? elfAutoAdvance : flag == 'f' ? elfFixed : elfNotEmpty;
                }
                break;
            case 'w':
                Format.Width = Integer(Run("0123456789"));
                break;
            case 'e':
                if (Pos >= Text.size()) {
                    RaiseVqError(kBadFormat);
                }
                Format.ExitChar = Text[Pos++];
                break;
            case 'I':
                Format.AddressKind = eakIPv4;
                if (Take('6')) {
                    Format.AddressKind = eakIPv6;
                }
                if (Take('m')) {
                    Format.AddressKind = Format.AddressKind == eakIPv6 ? eakMulticastIPv6 : eakMulticastIPv4;
                }
                break;
            case 'M':
                Format.AddressKind = Take('m') ? eakMulticastMac : Take('u') ? eakUnicastMac : eakMac;
                break;
            case 'Z':
                Format.CheckOnly = true;
                break;
            default:
                RaiseVqError(kBadFormat);
            }
        }
    }

private:
    // The run of characters of `set` at the current position; at least one.
    std::string_view Run(std::string_view set) {
        size_t end = Text.find_first_not_of(set, Pos);
        if (end == std::string_view::npos) {
            end = Text.size();
        }
        if (end == Pos) {
            RaiseVqError(kBadFormat);
        }
        std::string_view run = Text.substr(Pos, end - Pos);
        Pos = end;
        return run;
    }

    bool Take(char c) {
        if (Pos < Text.size() && Text[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }

    static double Float(std::string_view run) {
        std::optional<double> value = StrictStrToFloat(run);
        if (!value) {
            RaiseConversionError(run, "floating point value");
        }
        return *value;
    }

    static int Integer(std::string_view run) {
        std::optional<int> value = StrictStrToInt(run);
        if (!value) {
            RaiseConversionError(run, "integer value");
        }
        return *value;
    }

    std::string_view Text;
    EditConstraintFormat& Format;
    size_t Pos = 0;
};

} // namespace

EditConstraintFormat ParseEditConstraint(std::string_view text) {
    if (text.size() < 2 || text[0] != '%') {
        RaiseVqError(kBadFormat);
    }
    EditConstraintFormat format;
    format.Conversion = text[1];
    size_t optionStart = 2; // index of the "{", when there are options
    switch (format.Conversion) {
    case 'i':
        format.Minimum = -2147483648.0;
        format.Maximum = 2147483647.0;
        break;
    case 'u':
        format.Minimum = 0;
        format.Maximum = 4294967295.0;
        break;
    case 'f':
    case 'h':
    case 's':
        // The smallest positive normal double, not the most negative one: an f edit without
        // option n accepts neither 0 nor a negative number.
        format.Minimum = DBL_MIN;
        format.Maximum = DBL_MAX;
        break;
    case 'n':
        if (text.size() < 3) {
            RaiseVqError(kBadFormat);
        }
        format.ListDelimiter = text[2];
        optionStart = 3;
        // The numbers of a list are unsigned 32-bit: without bounds, any of them.
        format.Minimum = 0;
        format.Maximum = 4294967295.0;
        break;
    default:
        RaiseVqError(kBadFormat);
    }
    if (text.size() > optionStart) {
        // Whatever follows the type must be one pair of braces: "%s{", "%s{l3" and "%sX" are
        // malformed, not constraints without options.
        if (text.size() < optionStart + 2 || text[optionStart] != '{' || text.back() != '}') {
            RaiseVqError(kBadFormat);
        }
        OptionReader(text.substr(optionStart + 1, text.size() - optionStart - 2), format).ReadAll();
    }
    return format;
}

std::vector<std::string> SplitEditConstraints(std::string_view text) {
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i > 0) {
            parts.push_back(part);
            part.clear();
        }
        part += text[i];
    }
    if (!text.empty() && text.back() != '%') {
        parts.push_back(part);
    }
    return parts;
}
