#include "MD5InformationEditUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPanel.h"

TMD5InformationEditForm* MD5InformationEditForm = nullptr;

namespace {

using T = TMD5InformationEditForm;

constexpr auto& kTable = Columns::MD5Information;
constexpr int kKey = ColumnOf(kTable, "Key");

// This dialog's own text.
constexpr const char* kInputIndex = "Please input an index first";

bool AddMode(const T& dialog, bool) {
    return dialog.Mode == T::kAddMode;
}

// The design's line i (96 DPI): the check box, the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 20 + 32 * i;
    return {30, top + 3, 90, top, 160};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Key ID"),
     .Caption = "Key ID",
     .Constraint = "%i{n1x255l3}",
     .Control = &T::EditKeyID,
     .Kind = FieldKind::Edit, // a key the user types
     .Check = &T::CheckBox2,
     .Label = &T::Label1,
     .Place = Line(0),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = {.If = AddMode, .How = FieldEnabling::KeepValue}},
    {.Column = kKey,
     .Caption = "Key",
     .Constraint = "%s{l16}",
     .Control = &T::KeyEdit,
     .Check = &T::CheckBox3,
     .Label = &T::Label2,
     .Place = Line(1),
     .Flags = kFieldCheckFixed,
     .EnabledWhen = {.If = AlwaysEnabled<T>, .How = FieldEnabling::KeepValue}},
    {.Column = ColumnOf(kTable, "Row Status"),
     .Caption = "Row Status",
     .Control = &T::cbxRowStatus,
     .Place = Line(2),
     .Flags = kFieldHidden | kFieldDisabled,
     .Default = FieldDefault::Option("createAndGo"),
     .EnabledWhen = {.If = NeverEnabled<T>, .How = FieldEnabling::EnabledOnly}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnEdit, "Set", &T::btnEditClick},
    {&T::btnClose, "Close", &T::btnCloseClick},
};

constexpr DialogFrame<T> kFrame = {.Width = 384,
                                   .Height = 166,
                                   .Scale = DesignScale::None,
                                   .Position = poOwnerFormCenter,
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .Status = FrameStatus::None,
                                   .ButtonPanel = &T::Panel2};

} // namespace

TMD5InformationEditForm::TMD5InformationEditForm(TComponent* owner)
    : TEditSubDialog(owner, kFrame.Width, kFrame.Height, DesignScale::None) {
    Panel1 = BuildFrame(this, kFrame);
    Fields = BuildFields<T>(this, Panel1, kFields, kTable);
}

void TMD5InformationEditForm::BindTo(DialogRequest& request) {
    BindListFields<T>(this, request, kFields);
}

void TMD5InformationEditForm::ModeDefaults() {
    const bool add = Mode == kAddMode;
    if (add) {
        Fields.Reset();
    }
    CheckBox2->SetVisible(add);
    CheckBox3->SetVisible(add);
    Fields.Update(!add);
}

void TMD5InformationEditForm::btnEditClick(TObject*) {
    if (Mode == kAddMode) {
        if (EditKeyID->Text().empty()) {
            RefuseInput(EditKeyID, kInputIndex);
            return;
        }
        CreateRowThroughList(Fields.Carry(), {});
        return;
    }
    WriteThroughList([this](DialogRequest&) { List->Send(WriteCarry::Only({kKey})); }, {});
}

void TMD5InformationEditForm::btnCloseClick(TObject*) {
    Close();
}
