#include "DDMDialogs.h"

#include "GUIConfigForm.h"
#include "Oid_ddm.h"
#include "TApplication.h"
#include "VqSNMPRequest2Edits.h"

#include <memory>

namespace {
struct DdmDialog {
    const char* Title;
    const MibTableRow* Table;
    VarListKind Kind;
    int KeyCount;
    bool Editor; // else a list without Add and Delete, 450 x scale high
};

// The information settings are one row without key columns: read by a walk, they are written at
// the instance the walk found (".0").
constexpr DdmDialog kInformationSettings{"DDM Information Settings: ", DDMInformationSettings, MVT_FMV, 0,
                                         true};
constexpr DdmDialog kStatusTable{"DDM Status Table: ", DDMStatusTable, MVT_FMV, 1, false};
constexpr DdmDialog kThresholdManagementTable{"DDM Threshold Management Table: ", DDMThresholdManagementTable,
                                              MVT_UMV, 2, false};
constexpr DdmDialog kPortManagementTable{"DDM Port Management Table: ", DDMPortManagementTable, MVT_UMV, 1,
                                         false};
constexpr int kListHeight = 450;

void ShowDdmDialog(const DdmDialog& dialog, const std::string& address, double scale) {
    const std::string caption = dialog.Title + address;
    std::unique_ptr<TConfigForm> form(CreateForm<TConfigForm>(Application));
    auto request = std::make_unique<VqSNMPRequest2Edits>(form.get());
    request->Request.VarList = VqSNMPVarList(dialog.Table, dialog.Kind, dialog.KeyCount);
    if (dialog.Editor) {
        form->SetEditorPanel(request.get());
        request.release(); // the dialog's now
    } else {
        form->SetListViewPanel(request.get(), -1, nullptr, -1, nullptr);
        request.release();
        form->SetHeight(static_cast<int>(kListHeight * scale));
    }
    form->SetCaption(caption);
    form->ShowModal();
}
} // namespace

void ShowDDMInformationSettings(const std::string& address, double) {
    ShowDdmDialog(kInformationSettings, address, 1.0);
}

void ShowDDMStatusTable(const std::string& address, double scale) {
    ShowDdmDialog(kStatusTable, address, scale);
}

void ShowDDMThresholdManagementTable(const std::string& address, double scale) {
    ShowDdmDialog(kThresholdManagementTable, address, scale);
}

void ShowDDMPortManagementTable(const std::string& address, double scale) {
    ShowDdmDialog(kPortManagementTable, address, scale);
}
