// The small text evaluator of derived values and row conditions, and the text helpers that the
// status lines and edit constraints share with it. It sees texts after the variables' values were
// put in place of their "$n" markers.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// "+" binds weaker than "-", both weaker than "*" and "/", and one level groups to the right
// (8-4-2 is 6): the text is split at the first operator. "NOW" is the current date-time.
double EvaluateArithmetic(std::string_view text);
// "|" weaker than "&", "!" negates; the first double-quoted region protects these operators.
// A text without comparison that is neither "true" nor "false" raises -1 " Bad logic operand!".
bool EvaluateCondition(std::string_view text);
// The first of "<>", ">=", "<=", ">", "<", "=" found, comparing the trimmed, unquoted sides as
// texts (byte order: "10" < "9").
bool EvaluateComparison(std::string_view text);

// The index of the first operator of the list that occurs in the text, with the texts before and
// after its first occurrence; -1 (left and right untouched) when none occurs.
int SplitAtOperator(std::initializer_list<std::string_view> operators, std::string_view text,
                    std::string& left, std::string& right);
// A text that starts and ends with a double quote loses both.
std::string Unquote(std::string_view text);
// Every placeholder, left to right, without rescanning replacements; an empty placeholder replaces
// nothing.
std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view replacement);
// 1-based: the position of the last character of the run of `set` characters that starts at
// `start`; 0 when the character there is not in the set or `start` lies past the end.
int SpanOf(std::string_view text, int start, std::string_view set);
