#include "LoginMethodListFormUnit.h"

#include "Oid_aac.h"

namespace {

const MethodListKind kLoginLists = {
    .Table = LoginMethodListMethod1Type,
    .FormCaption = "Login Method List",
    .Position = poScreenCenter,
    .Terminal = {"local", "none"},
    .Accounting = false,
    .SameName =
        "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};
const MethodListKind kEnableLists = {
    .Table = LoginMethodListMethod1Type2,
    .FormCaption = "Login Method List",
    .Position = poScreenCenter,
    .Terminal = {"local-enabled", "none"},
    .Accounting = false,
    .SameName = kLoginLists.SameName,
};

} // namespace

TLoginMethodListForm::TLoginMethodListForm(TComponent* owner, int kind)
    : TMethodListForm(owner, kind == 1 ? kLoginLists : kEnableLists), ListKind(kind) {}
