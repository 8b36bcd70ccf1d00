#include "RouteRedistributUnit.h"

#include "Oid_l3.h"
#include "TEdit.h"

TRouteRedistributForm* RouteRedistributForm = nullptr;

namespace {

constexpr int kMetricLength = 8; // the design's edits take at most 8 characters

// "other" is never shown; inter-E1 and inter-E2 are captioned with "+".
constexpr RedistributionTypeButton kTypes[] = {
    {1, "other", "other", 8, 18},         {2, "all", "all", 8, 18},
    {3, "type-1", "type-1", 8, 38},       {4, "type-2", "type-2", 8, 58},
    {5, "internal", "internal", 8, 78},   {6, "external", "external", 108, 18},
    {7, "inter+E1", "inter-E1", 108, 38}, {8, "inter+E2", "inter-E2", 108, 58},
    {9, "extType1", "extType1", 108, 78}, {10, "extType2", "extType2", 108, 98},
};

constexpr const char* kRipFromOspf[] = {"other",    "all",      "internal", "external",
                                        "inter-E1", "inter-E2", "extType1", "extType2"};
constexpr const char* kAllOnly[] = {"all"};
constexpr const char* kOspfTypes[] = {"type-1", "type-2"};

constexpr RedistributionRule kRules[] = {
    {.Destination = "rip",
     .Source = "ospf",
     .MetricLabel = "Metric (0-16)",
     .MetricBound = 16,
     .MetricWarning = "Metric out of Bound (0-16)",
     .Types = kRipFromOspf},
    {.Destination = "rip",
     .MetricLabel = "Metric (0-16)",
     .MetricBound = 16,
     .MetricWarning = "Metric out of Bound (0-16)",
     .Types = kAllOnly},
    {.Destination = "ospf",
     .MetricLabel = "Metric (0-16777214)",
     .MetricBound = 16777214,
     .MetricWarning = "Metric out of Bound (0-16777214)",
     .Types = kOspfTypes},
};

const RedistributionDesign kDesign = {.Table = RouteRedistributTable,
                                      .Caption = "Route Redistribution Table",
                                      .Width = 572,
                                      .Height = 390,
                                      .ResourceCaption = "RouteRedistributForm",
                                      .ListHeight = 180,
                                      .FieldsHeight = 128,
                                      .MapName = true,
                                      .Types = kTypes,
                                      .TypeGroupLeft = 258,
                                      .TypeGroupWidth = 206,
                                      .Rules = kRules,
                                      .TypeReadOnly = false,
                                      .CountOnChanging = true};

} // namespace

TRouteRedistributForm::TRouteRedistributForm(TComponent* owner) : TRouteRedistributionDialog(owner, kDesign) {
    MetricEdit->SetMaxLength(kMetricLength);
    MapNameEdit->SetMaxLength(kMetricLength);
}
