#include "IPv6RouteResUnit.h"

#include "Oid_l3.h"

TIPv6RouteResForm* IPv6RouteResForm = nullptr;

namespace {

constexpr RedistributionTypeButton kTypes[] = {
    {2, "all", "all", 12, 18},
    {3, "type-1", "type-1", 12, 38},
    {4, "type-2", "type-2", 12, 58},
};

constexpr const char* kAllOnly[] = {"all"};
constexpr const char* kOspfTypes[] = {"type-1", "type-2"};

// A metric of 0 never warns: the bound is checked from above only.
constexpr RedistributionRule kRules[] = {
    {.Destination = "ripng",
     .MetricLabel = "Metric (0-16)",
     .MetricBound = 16,
     .MetricWarning = "Metric out of Bound (0-16)",
     .Types = kAllOnly},
    {.Destination = "ospfv3",
     .MetricLabel = "Metric (1-16777214)",
     .MetricBound = 16777214,
     .MetricWarning = "Metric out of Bound (1-16777214)",
     .Types = kOspfTypes},
};

const RedistributionDesign kDesign = {.Table = IPv6RouteResTable,
                                      .Caption = "IPv6 Route Redistribution Table",
                                      .Width = 567,
                                      .Height = 321,
                                      .ResourceCaption = "IPv6RouteResForm",
                                      .ListHeight = 150,
                                      .FieldsHeight = 100,
                                      .MapName = false,
                                      .Types = kTypes,
                                      .TypeGroupLeft = 258,
                                      .TypeGroupWidth = 200,
                                      .Rules = kRules,
                                      .TypeReadOnly = true,
                                      .CountOnChanging = false};

} // namespace

TIPv6RouteResForm::TIPv6RouteResForm(TComponent* owner) : TRouteRedistributionDialog(owner, kDesign) {}
