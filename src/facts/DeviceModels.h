// The six models of the series and the one way to tell them by the sysObjectID the switch reports:
// model m (2..7) reports "1.3.6.1.4.1.746.10.117.m.1".
#pragma once

#include <string>
#include <string_view>
#include <vector>

constexpr int kFirstModel = 2;
constexpr int kLastModel = 7;

// Most places compare the text exactly; the IP interface dialog compares it without regard to case.
enum class SysObjectIdMatch { Exact, IgnoreCase };

// The model number m (2..7) of the sysObjectID text, compared as a whole text; 0 for any other.
int ModelOfSysObjectId(std::string_view sysObjectId, SysObjectIdMatch match = SysObjectIdMatch::Exact);

// The exact model name of model m ("ZQS-4410-24RA" ...); "" for another number.
std::string ModelNameOfModel(int m);
// The model name of a sysObjectID (exact text), or "".
std::string ModelNameOf(std::string_view sysObjectId);
// The six model names, in the order of the model numbers 2 to 7.
std::vector<std::string> SupportedModelNames();
