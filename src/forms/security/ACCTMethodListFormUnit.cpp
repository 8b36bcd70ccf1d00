#include "ACCTMethodListFormUnit.h"

#include "Oid_aac.h"

TACCTMethodListForm* ACCTMethodListForm = nullptr;

namespace {

const MethodListKind kAccountingLists = {
    .Table = ACCTMethodList,
    .FormCaption = "ACCT Method List",
    .Position = poMainFormCenter,
    .Terminal = {"none", nullptr},
    .Accounting = true,
    .SameName =
        "Has already a record with the same ACCT Method List Name. Please Change AACT Method List Name.",
};

} // namespace

TACCTMethodListForm::TACCTMethodListForm(TComponent* owner, int value)
    : TMethodListForm(owner, kAccountingLists), Value(value) {}
