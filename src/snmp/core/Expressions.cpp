#include "Expressions.h"

#include "ValueTexts.h"
#include "VqException.h"

namespace {

constexpr int kBadLogicOperand = -1;

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// The ")" that closes the "(" at `open`, or npos.
size_t MatchingParenthesis(std::string_view text, size_t open) {
    int depth = 1;
    for (size_t i = open + 1; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

double Number(std::string_view text) {
    return SameTextIgnoringCase(text, "NOW") ? NowAsDateTime() : ReadFloat(text);
}

std::string Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return std::string(text);
}

// The first double-quoted region of a text: operators inside it do not count.
struct QuotedRegion {
    explicit QuotedRegion(std::string_view text) {
        First = text.find('"');
        Last = First == std::string_view::npos ? First : text.find('"', First + 1);
    }
    bool Contains(size_t i) const { return Last != std::string_view::npos && First <= i && i <= Last; }
    // The first occurrence of c, unless the quoted region holds it: then c does not count at all,
    // so "\"a&b\"=\"a&b\"" compares two texts instead of splitting at the second "&".
    size_t FindOutside(std::string_view text, char c) const {
        const size_t at = text.find(c);
        return Contains(at) ? std::string_view::npos : at;
    }
    size_t First;
    size_t Last;
};

} // namespace

double EvaluateArithmetic(std::string_view text) {
    const size_t open = text.find('(');
    if (open != std::string_view::npos) {
        const size_t close = MatchingParenthesis(text, open);
        if (close != std::string_view::npos) {
            const double inner = EvaluateArithmetic(text.substr(open + 1, close - open - 1));
            return EvaluateArithmetic(std::string(text.substr(0, open)) + FloatToText(inner) +
                                      std::string(text.substr(close + 1)));
        }
    }
    for (char op : {'+', '-', '*', '/'}) {
        const size_t at = text.find(op);
        if (at == std::string_view::npos)
            continue;
        const std::string_view left = text.substr(0, at);
        const double right = EvaluateArithmetic(text.substr(at + 1));
        switch (op) {
        case '+':
            return EvaluateArithmetic(left) + right;
        case '-':
            return EvaluateArithmetic(left) - right;
        case '*':
            return Number(left) * right;
        default:
            return Number(left) / right;
        }
    }
    return Number(text);
}

bool EvaluateCondition(std::string_view text) {
    const QuotedRegion quoted(text);
    const size_t open = text.find('(');
    if (open != std::string_view::npos) {
        const size_t close = MatchingParenthesis(text, open);
        if (close != std::string_view::npos && !quoted.Contains(open) && !quoted.Contains(close)) {
            const bool inner = EvaluateCondition(text.substr(open + 1, close - open - 1));
            return EvaluateCondition(std::string(text.substr(0, open)) + (inner ? "true" : "false") +
                                     std::string(text.substr(close + 1)));
        }
    }
    if (size_t at = quoted.FindOutside(text, '|'); at != std::string_view::npos)
        return EvaluateCondition(text.substr(0, at)) || EvaluateCondition(text.substr(at + 1));
    if (size_t at = quoted.FindOutside(text, '&'); at != std::string_view::npos)
        return EvaluateCondition(text.substr(0, at)) && EvaluateCondition(text.substr(at + 1));
    if (quoted.FindOutside(text, '!') != std::string_view::npos)
        return !EvaluateCondition(text.substr(1));
    return EvaluateComparison(text);
}

bool EvaluateComparison(std::string_view text) {
    std::string left, right;
    const int op = SplitAtOperator({"<>", ">=", "<=", ">", "<", "="}, text, left, right);
    if (op < 0) {
        if (SameTextIgnoringCase(text, "true"))
            return true;
        if (SameTextIgnoringCase(text, "false"))
            return false;
        RaiseVqError(kBadLogicOperand);
    }
    auto side = [](const std::string& s) {
        std::string t = Unquote(Trim(s));
        return SameTextIgnoringCase(t, "NOW") ? FloatToText(NowAsDateTime()) : t;
    };
    const int order = side(left).compare(side(right));
    switch (op) {
    case 0:
        return order != 0;
    case 1:
        return order >= 0;
    case 2:
        return order <= 0;
    case 3:
        return order > 0;
    case 4:
        return order < 0;
    default:
        return order == 0;
    }
}

int SplitAtOperator(std::initializer_list<std::string_view> operators, std::string_view text,
                    std::string& left, std::string& right) {
    int index = 0;
    for (std::string_view op : operators) {
        if (const size_t at = text.find(op); at != std::string_view::npos) {
            left = text.substr(0, at);
            right = text.substr(at + op.size());
            return index;
        }
        ++index;
    }
    return -1;
}

std::string Unquote(std::string_view text) {
    if (!text.empty() && text.front() == '"' && text.back() == '"')
        return text.size() == 1 ? std::string() : std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view replacement) {
    if (placeholder.empty())
        return std::string(text);
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(placeholder); at != std::string_view::npos;
         at = text.find(placeholder, from)) {
        out.append(text.substr(from, at - from)).append(replacement);
        from = at + placeholder.size();
    }
    return out.append(text.substr(from));
}

int SpanOf(std::string_view text, int start, std::string_view set) {
    if (start < 1 || static_cast<size_t>(start) > text.size())
        return 0;
    size_t i = static_cast<size_t>(start) - 1;
    if (set.find(text[i]) == std::string_view::npos)
        return 0;
    while (i + 1 < text.size() && set.find(text[i + 1]) != std::string_view::npos)
        ++i;
    return static_cast<int>(i + 1);
}
