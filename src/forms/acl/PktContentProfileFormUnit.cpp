#include "PktContentProfileFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FieldChecks.h"
#include "Oid_acl.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <algorithm>
#include <cctype>

TPktContentProfileForm* PktContentProfileForm = nullptr;

namespace {

using T = TPktContentProfileForm;

constexpr auto& kTable = Columns::PktContentProfileTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kRowStatus = ColumnOf(kTable, "Row Status");
constexpr int kOwner = ColumnOf(kTable, "Owner");
constexpr int kUnusedEntries = ColumnOf(kTable, "Unused Rule Entries");
constexpr int kProfileName = ColumnOf(kTable, "Profile Name");

// A chunk's three columns and controls, and the texts of its checks.
struct Chunk {
    int State;
    int Value;
    int Mask;
    TComboBox* T::*StateCombo;
    TEdit* T::*ValueEdit;
    TEdit* T::*MaskEdit;
    const char* NoValue;
    const char* NoMask;
    const char* BadMask;
};
constexpr Chunk kChunks[] = {
    {ColumnOf(kTable, "Chunk 1 State"), ColumnOf(kTable, "Chunk 1 Value"), ColumnOf(kTable, "Chunk 1 Offset"),
     &T::cbbChunk1State, &T::edtChunk1Value, &T::edtChunk1Offset, "Please specify Chunk 1 Value.",
     "Please specify Chunk 1 Offset.", "Chunk 1 Offset error."},
    {ColumnOf(kTable, "Chunk 2 State"), ColumnOf(kTable, "Chunk 2 Value"), ColumnOf(kTable, "Chunk 2 Offset"),
     &T::cbbChunk2State, &T::edtChunk2Value, &T::edtChunk2Offset, "Please specify Chunk 2 Value.",
     "Please specify Chunk 2 Offset.", "Chunk 2 Offset error."},
    {ColumnOf(kTable, "Chunk 3 State"), ColumnOf(kTable, "Chunk 3 Value"), ColumnOf(kTable, "Chunk 3 Offset"),
     &T::cbbChunk3State, &T::edtChunk3Value, &T::edtChunk3Offset, "Please specify Chunk 3 Value.",
     "Please specify Chunk 3 Offset.", "Chunk 3 Offset error."},
    {ColumnOf(kTable, "Chunk 4 State"), ColumnOf(kTable, "Chunk 4 Value"), ColumnOf(kTable, "Chunk 4 Offset"),
     &T::cbbChunk4State, &T::edtChunk4Value, &T::edtChunk4Offset, "Please specify Chunk 4 Value.",
     "Please specify Chunk 4 Offset.", "Chunk 4 Offset error."},
};
constexpr const char* kNoChunk = "Please specify at least one Chunk.";
constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";

// A chunk's line: its state, value and mask side by side.
constexpr FieldPlace StateAt(int row) {
    return ProfilePlace(8, 74, 78, row);
}
constexpr FieldPlace ValueAt(int row) {
    return ProfilePlace(168, 110, 36, row);
}
constexpr FieldPlace MaskAt(int row) {
    return ProfilePlace(324, 174, 76, row);
}
constexpr int kGroupWidth = 324 + 174 + 76 + 8;

// The chunk rule over chunk n's fields.
template <int n>
constexpr FieldEnabledWhen<T> kChunkRule = {.Combo = kChunks[n].StateCombo, .Option = kEnabled};

constexpr auto Line = [](auto... field) { return ProfileLine<T>(field...); };

// The fields in column order. A reset empties the edits; the chunk states keep their selections.
// clang-format off
constexpr Field<T> kFields[] = {
    KeyField(Line(kProfileId, "Profile ID (1-6)", &T::edtProfileID, "%i{n1x6l1}", &T::ProfileGroup, ProfilePlace(8, 100, 60, 0))),
    Line(kChunks[0].State, "Chunk 1 State", &T::cbbChunk1State, nullptr, &T::OptionGroup, StateAt(0)),
    RuledField(Line(kChunks[0].Value, "Chunk 1 Value (0-31)", &T::edtChunk1Value, "%i{n0x31l2}", &T::OptionGroup, ValueAt(0)), kChunkRule<0>),
    RuledField(Line(kChunks[0].Mask, "Chunk 1 Mask (0x0-0xFFFFFFFF)", &T::edtChunk1Offset, "%h{l8}", &T::OptionGroup, MaskAt(0), FieldKind::Edit), kChunkRule<0>),
    Line(kChunks[1].State, "Chunk 2 State", &T::cbbChunk2State, nullptr, &T::OptionGroup, StateAt(1)),
    RuledField(Line(kChunks[1].Value, "Chunk 2 Value (0-31)", &T::edtChunk2Value, "%i{n0x31l2}", &T::OptionGroup, ValueAt(1)), kChunkRule<1>),
    RuledField(Line(kChunks[1].Mask, "Chunk 2  Mask (0x0-0xFFFFFFFF)", &T::edtChunk2Offset, "%h{l8}", &T::OptionGroup, MaskAt(1), FieldKind::Edit), kChunkRule<1>),
    Line(kChunks[2].State, "Chunk 3 State", &T::cbbChunk3State, nullptr, &T::OptionGroup, StateAt(2)),
    RuledField(Line(kChunks[2].Value, "Chunk 3 Value (0-31)", &T::edtChunk3Value, "%i{n0x31l2}", &T::OptionGroup, ValueAt(2)), kChunkRule<2>),
    RuledField(Line(kChunks[2].Mask, "Chunk 3  Mask (0x0-0xFFFFFFFF)", &T::edtChunk3Offset, "%h{l8}", &T::OptionGroup, MaskAt(2), FieldKind::Edit), kChunkRule<2>),
    Line(kChunks[3].State, "Chunk 4 State", &T::cbbChunk4State, nullptr, &T::OptionGroup, StateAt(3)),
    RuledField(Line(kChunks[3].Value, "Chunk 4 Value (0-31)", &T::edtChunk4Value, "%i{n0x31l2}", &T::OptionGroup, ValueAt(3)), kChunkRule<3>),
    RuledField(Line(kChunks[3].Mask, "Chunk 4  Mask (0x0-0xFFFFFFFF)", &T::edtChunk4Offset, "%h{l8}", &T::OptionGroup, MaskAt(3), FieldKind::Edit), kChunkRule<3>),
    ProfileRowStatus(kRowStatus, &T::cbbRowStatus, &T::RowStatusLabel, &T::OtherGroup, ProfilePlace(400, 60, 80, 0)),
    ProfileFact(Line(kOwner, "Owner", &T::cbbOwner, nullptr, &T::OtherGroup, ProfilePlace(8, 60, 96, 0), FieldKind::ComboBox)),
    ProfileFact(Line(kUnusedEntries, "Unused Rule Entries", &T::edtEntries, "%i", &T::OtherGroup, ProfilePlace(180, 110, 60, 0), FieldKind::Edit)),
    KeyField(Line(kProfileName, "Profile Name", &T::edtProfileName, "%s", &T::ProfileGroup, ProfilePlace(184, 76, 150, 0))),
};
// clang-format on

constexpr ProfileGroupBox<T> kGroups[] = {{&T::ProfileGroup, "Profile", 0, 1},
                                          {&T::OptionGroup, "Option", 48, 4},
                                          {&T::OtherGroup, "Other", 168, 1}};

constexpr StartOption<T> kStart[] = {
    {&T::cbbChunk1State, kDisabled}, {&T::cbbChunk2State, kDisabled}, {&T::cbbChunk3State, kDisabled},
    {&T::cbbChunk4State, kDisabled}, {&T::cbbOwner, "acl"},           {&T::cbbRowStatus, "createAndGo"},
};

ProfileDesign<T> Design() {
    ProfileEditorOptions options;
    options.Table = PktContentProfileTable;
    options.IdColumn = kProfileId;
    options.RowStatusColumn = kRowStatus;
    options.NameColumn = kProfileName;
    options.IdMustBeSet = DialogText::kProfileIdMustBeSet;
    options.NameMustBeSet = DialogText::kProfileNameMustBeSet;
    // The switch decides whether the ID or the name is taken.
    options.Duplicates = DuplicateCheck::Off;
    options.ReReadAfterFailedWrite = false;
    options.ReReadAfterFailedDelete = true;
    options.DesignWidth = 724;
    options.DesignHeight = 533;
    options.ListHeight = 136;
    options.ButtonMargin = 18; // a column 111 wide
    return {options, kFields, kTable, kGroups, kGroupWidth, kStart};
}

} // namespace

bool CheckChunkMaskText(std::string_view text) {
    return text.size() <= 8 && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c));
           });
}

TPktContentProfileForm::TPktContentProfileForm(TComponent* owner) : TAclProfileForm(owner, Design().Options) {
    BuildDesign(this, Design());
    cbbChunk1State->OnChange = Bind(this, &T::cbbChunk1StateChange);
    cbbChunk2State->OnChange = Bind(this, &T::cbbChunk2StateChange);
    cbbChunk3State->OnChange = Bind(this, &T::cbbChunk3StateChange);
    cbbChunk4State->OnChange = Bind(this, &T::cbbChunk4StateChange);
}

void TPktContentProfileForm::cbbChunk1StateChange(TObject*) {
    UpdateFields();
}

void TPktContentProfileForm::cbbChunk2StateChange(TObject*) {
    UpdateFields();
}

void TPktContentProfileForm::cbbChunk3StateChange(TObject*) {
    UpdateFields();
}

void TPktContentProfileForm::cbbChunk4StateChange(TObject*) {
    UpdateFields();
}

bool TPktContentProfileForm::CheckFields() {
    bool anyNotDisabled = false;
    for (const Chunk& chunk : kChunks) {
        const TComboBox* state = this->*chunk.StateCombo;
        // A state with no selection is not "disabled".
        anyNotDisabled = anyNotDisabled || !OptionSelected(state, kDisabled);
        if (!OptionSelected(state, kEnabled)) {
            continue;
        }
        TEdit* value = this->*chunk.ValueEdit;
        TEdit* mask = this->*chunk.MaskEdit;
        if (value->Text().empty()) {
            return RefuseInput(value, chunk.NoValue);
        }
        if (mask->Text().empty()) {
            return RefuseInput(mask, chunk.NoMask);
        }
        if (!CheckChunkMaskText(mask->Text())) {
            return RefuseInput(mask, chunk.BadMask);
        }
    }
    if (!anyNotDisabled) {
        ShowMessage(kNoChunk);
        return false;
    }
    return true;
}
