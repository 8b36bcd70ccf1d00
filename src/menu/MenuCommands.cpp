#include "MenuCommands.h"

#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DeviceFacts.h"
#include "GUIConfigForm.h"
#include "HelpViewer.h"
#include "InputValidators.h"
#include "MainMenuData.h"
#include "MainMenuTree.h"
#include "MainUnit.h"
#include "MenuEntry.h"
#include "NewRequest2EditsForOAM.h"
#include "TApplication.h"
#include "TableDialogRules.h"

#include <memory>
#include <optional>
#include <stdexcept>

namespace {

TCheckFunction CheckFunctionOf(InputCheck check) {
    switch (check) {
    case InputCheck::None:
        break;
    case InputCheck::CheckIPv4Text:
        return CheckIPv4Text;
    case InputCheck::CheckIPv6HexText:
        return CheckIPv6HexText;
    case InputCheck::IsNetmaskText:
        return IsNetmaskText;
    case InputCheck::IsMacText:
        return IsMacText;
    case InputCheck::IsHexWordText:
        return IsHexWordText;
    case InputCheck::CheckZeroOr60To1000000Text:
        return CheckZeroOr60To1000000Text;
    case InputCheck::CheckZeroOr8To10240000Text:
        return CheckZeroOr8To10240000Text;
    case InputCheck::CheckMinusOneOr1To2048Text:
        return CheckMinusOneOr1To2048Text;
    case InputCheck::CheckMinusOneOr60To1000000Text:
        return CheckMinusOneOr60To1000000Text;
    }
    throw std::logic_error("a checker without its check function");
}

double Scale() {
    return MainForm ? MainForm->ScaleFactor : 1.0;
}

// Whether a tuning names a row of the panel's variables (and so has nothing to act on in a dialog
// without variables).
bool AddressesRow(const Tuning& tuning) {
    switch (tuning.Op) {
    case TuningOp::Format:
    case TuningOp::Checker:
    case TuningOp::Bits:
    case TuningOp::MayBeEmpty:
    case TuningOp::KeepActive:
    case TuningOp::ShiftJisFont:
        return true;
    default:
        return false;
    }
}

TListView* ListViewOf(TSNMPEditorPanel* panel) {
    auto* list = dynamic_cast<TSNMPListViewPanel*>(panel);
    return list ? list->ListPanel->ListView : nullptr;
}

void HideButtons(TSNMPEditorPanel* panel, std::initializer_list<TControl*> buttons, bool arrange) {
    for (TControl* button : buttons) {
        button->Hide();
    }
    if (arrange) {
        panel->Buttons->ArrangeButtons();
    }
}

void ClearDoubleClick(TSNMPEditorPanel* panel) {
    if (TListView* list = ListViewOf(panel)) {
        list->OnDblClick = nullptr;
    }
}

void ApplyTuning(TSNMPEditorPanel* panel, bool listLayout, const Tuning& tuning) {
    TCtrlBtnPanel* buttons = panel->Buttons;
    switch (tuning.Op) {
    case TuningOp::None:
        break;
    case TuningOp::Format:
        panel->SetVarFormat(tuning.Row, tuning.Text);
        break;
    case TuningOp::Checker:
        panel->SetVarChecker(tuning.Row, tuning.Text, CheckFunctionOf(tuning.Check));
        break;
    case TuningOp::Bits:
        panel->Rows->SetOctetParam(tuning.Row, tuning.Y, tuning.N, tuning.X, "");
        break;
    case TuningOp::Note:
        panel->Rows->ShowNote(tuning.Text, static_cast<TColor>(255), tuning.N, tuning.X, tuning.Y);
        break;
    case TuningOp::EditWidth:
    case TuningOp::EditWidthUnscaled:
    case TuningOp::EditWidthPlus: {
        const int width = EditWidthOf(tuning, panel->Rows->EditWidth, Scale());
        if (listLayout) {
            panel->Rows->SetEditWidth(width, 2);
        } else {
            panel->SetEditWidth(width);
        }
        break;
    }
    case TuningOp::MayBeEmpty:
        panel->Rows->Rows.at(tuning.Row).Control->SetTag(kTagNeverEmpty);
        break;
    case TuningOp::KeepActive:
        panel->Rows->Rows.at(tuning.Row).Control->SetTag(kTagKeepActive);
        break;
    case TuningOp::ShiftJisFont:
        if (TListView* list = ListViewOf(panel)) {
            list->Font()->SetCharset(TFont::kShiftJisCharset);
        }
        panel->Rows->Rows.at(tuning.Row).Control->Font()->SetCharset(TFont::kShiftJisCharset);
        break;
    case TuningOp::HideEdit:
        HideButtons(panel, {buttons->EditButton}, true);
        break;
    case TuningOp::HideEditNoDoubleClick:
        HideButtons(panel, {buttons->EditButton}, true);
        ClearDoubleClick(panel);
        break;
    case TuningOp::NoDoubleClick:
        ClearDoubleClick(panel);
        break;
    case TuningOp::HideAddDelete:
        HideButtons(panel, {buttons->AddButton, buttons->DeleteButton}, true);
        break;
    case TuningOp::HideAddDeleteEdit:
        HideButtons(panel, {buttons->AddButton, buttons->DeleteButton, buttons->EditButton}, true);
        ClearDoubleClick(panel);
        break;
    case TuningOp::HideDeleteKeepPlace:
        HideButtons(panel, {buttons->DeleteButton}, false);
        break;
    case TuningOp::StopButton:
        if (auto* list = dynamic_cast<TSNMPListViewPanel*>(panel)) {
            list->ShowStopButton();
        }
        break;
    }
}

void ApplySizes(TConfigForm* form, const MenuEntry& entry) {
    const FormSize size = ::ApplySizes(entry, {form->Width(), form->Height()}, Scale());
    form->SetWidth(size.Width);
    form->SetHeight(size.Height);
}

// One panel or page: its request over the table the switch's model and edition choose, and its
// layout call. The dialog owns the request from the layout call on.
TSNMPEditorPanel* AddPanel(TConfigForm* form, const MenuPanel& panel, bool paged, bool& supported) {
    std::unique_ptr<VqSNMPRequest2Edits> request;
    if (panel.Request == RequestClass::OAM) {
        request = std::make_unique<NewRequest2EditsForOAM>(form);
    } else {
        request = std::make_unique<VqSNMPRequest2Edits>(form);
    }
    const MibTableRow* table = ChooseTable(panel, Facts().SysObjectId, Facts().FirmwareMode);
    supported = table != nullptr;
    if (table) {
        request->Request.VarList = VqSNMPVarList(table, panel.Kind, panel.Keys);
        if (auto* oam = dynamic_cast<NewRequest2EditsForOAM*>(request.get())) {
            oam->FunctionsColumn = kOamFunctionsColumn;
        }
    } else {
        // Nothing to read: the request sends nothing, whatever the dialog's buttons ask of it.
        request->Mode = 2;
    }
    if (panel.Timeout > 0) {
        request->Request.Timeout = panel.Timeout;
    }
    // Add and Delete address rows a dialog without variables does not have.
    const int addRow = supported ? panel.AddRow : -1;
    const char* addValue = supported ? panel.AddValue : nullptr;
    const int deleteRow = supported ? panel.DeleteRow : -1;
    const char* deleteValue = supported ? panel.DeleteValue : nullptr;
    TSNMPEditorPanel* result = nullptr;
    if (panel.Layout == PanelLayout::Editor) {
        result =
            paged ? form->AddEditorPage(panel.Caption, request.get()) : form->SetEditorPanel(request.get());
    } else {
        result = paged ? form->AddListViewPage(panel.Caption, request.get(), addRow, addValue, deleteRow,
                                               deleteValue)
                       : form->SetListViewPanel(request.get(), addRow, addValue, deleteRow, deleteValue);
    }
    request.release();
    if (!supported) {
        result->MsgPanel->MsgBar->SetSimpleText(kUnsupportedModelText);
    }
    return result;
}

void BuildPanels(TConfigForm* form, const MenuEntry& entry) {
    if (entry.IsPaged()) {
        form->SetPagePanel();
        if (entry.SizesBeforePages) {
            ApplySizes(form, entry);
        }
    }
    TSNMPEditorPanel* last = nullptr;
    bool supported = true;
    const MenuPanel* lastPanel = nullptr;
    for (const MenuPanel& panel : Panels(entry)) {
        last = AddPanel(form, panel, entry.IsPaged(), supported);
        lastPanel = &panel;
    }
    // The tunings act on the last panel (the only one outside a paged dialog).
    for (const Tuning& tuning : lastPanel->TuningList()) {
        if (supported || !AddressesRow(tuning)) {
            ApplyTuning(last, lastPanel->Layout == PanelLayout::List, tuning);
        }
    }
    if (!entry.IsPaged() || !entry.SizesBeforePages) {
        ApplySizes(form, entry);
    }
}

// The global ConfigForm while its dialog lives; cleared whichever way the command ends.
struct ConfigFormScope {
    explicit ConfigFormScope(TConfigForm* form) { ConfigForm = form; }
    ~ConfigFormScope() { ConfigForm = nullptr; }
    ConfigFormScope(const ConfigFormScope&) = delete;
    ConfigFormScope& operator=(const ConfigFormScope&) = delete;
};

void ReadStpVersion() {
    if (!MainForm || !MainForm->StpVersionRequest) {
        return;
    }
    try {
        // A time-out or an SNMP error leaves the old text; the dialog opens in every case.
        MainForm->StpVersionRequest->Get();
    } catch (const std::exception& e) {
        MainForm->SetStatusText(e.what());
    }
}

void RunTableDialog(const MenuEntry& entry) {
    if (entry.StpVersionFirst) {
        ReadStpVersion();
    }
    if (MainForm) {
        MainForm->DialogCaption = DialogCaption(entry, Facts().DeviceAddress);
    }
    // The raise outlives the dialog: its version goes back once the dialog and its requests are
    // gone, on every way out.
    std::optional<CounterVersionRaise> raise;
    if (entry.RaiseToV2c) {
        raise.emplace();
    }
    std::unique_ptr<TConfigForm> form(BuildTableDialog(entry));
    ConfigFormScope scope(form.get());
    form->ShowModal();
}

// A dedicated dialog and its class's instance pointer: the pointer names the dialog while it lives
// and is cleared once it has been deleted, whichever way the command ends.
class DialogLifetime {
public:
    DialogLifetime(TForm* dialog, DedicatedDialogRegistry::InstanceSetter setter)
        : Dialog(dialog), Setter(std::move(setter)) {
        if (Setter) {
            Setter(dialog);
        }
    }
    ~DialogLifetime() {
        delete Dialog;
        if (Setter) {
            Setter(nullptr);
        }
    }
    DialogLifetime(const DialogLifetime&) = delete;
    DialogLifetime& operator=(const DialogLifetime&) = delete;

private:
    TForm* Dialog;
    DedicatedDialogRegistry::InstanceSetter Setter;
};

void RunDedicatedDialog(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs) {
    const DedicatedDialogRegistry::DialogClass* dialogClass = dialogs.FindClass(entry.Dialog);
    if (!dialogClass) {
        throw std::runtime_error(std::string("The dialog ") + entry.Dialog + " is not available.");
    }
    std::optional<CounterVersionRaise> raise;
    if (entry.RaiseToV2c) {
        raise.emplace();
    }
    if (entry.MulticastIpVersion != 0) {
        WritableFacts().MulticastIpVersion = entry.MulticastIpVersion;
    }
    if (entry.StpVersionFirst) {
        ReadStpVersion();
    }
    TComponent* owner = entry.Owner == DialogOwner::MainForm ? static_cast<TComponent*>(MainForm)
                                                             : static_cast<TComponent*>(Application);
    TForm* dialog = dialogClass->Create(owner, entry.HasArgument ? entry.Argument : 0);
    if (!dialog) {
        return;
    }
    DialogLifetime lifetime(dialog, entry.LocalPointer ? nullptr : dialogClass->SetInstance);
    dialog->SetCaption(DialogCaption(entry, Facts().DeviceAddress));
    dialog->ShowModal();
}

void RunDdmDialog(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs) {
    const DedicatedDialogRegistry::DdmBuilderFunction* build =
        dialogs.FindDdmBuilder(DdmBuilderName(entry.Ddm));
    if (!build) {
        throw std::runtime_error(std::string("The dialog ") + DdmBuilderName(entry.Ddm) +
                                 " is not available.");
    }
    (*build)(Facts().DeviceAddress, Scale());
}

TMainForm& Main() {
    if (!MainForm) {
        throw std::logic_error("a main-window command without the main window");
    }
    return *MainForm;
}

} // namespace

TConfigForm* BuildTableDialog(const MenuEntry& entry) {
    if (entry.Command != CommandKind::TableDialog) {
        throw std::logic_error("not a table dialog");
    }
    std::unique_ptr<TConfigForm> form(CreateForm<TConfigForm>(Application));
    BuildPanels(form.get(), entry);
    form->SetCaption(DialogCaption(entry, Facts().DeviceAddress));
    return form.release();
}

void RunMenuCommand(const MenuEntry& entry, const DedicatedDialogRegistry& dialogs) {
    switch (entry.Command) {
    case CommandKind::None:
    case CommandKind::Nothing:
        return;
    case CommandKind::TableDialog:
        RunTableDialog(entry);
        return;
    case CommandKind::Dedicated:
        RunDedicatedDialog(entry, dialogs);
        return;
    case CommandKind::Sibling:
        Main().LaunchModule(entry.ModuleKey, 0);
        return;
    case CommandKind::Ddm:
        RunDdmDialog(entry, dialogs);
        return;
    case CommandKind::Refresh:
        Main().RefreshPanel1Click(nullptr);
        return;
    case CommandKind::Help:
        Main().Help2Click(nullptr);
        return;
    case CommandKind::About:
        Main().About1Click(nullptr);
        return;
    }
}

void RunMenuCommand(const MenuEntry& entry) {
    RunMenuCommand(entry, ProgramDialogs());
}

void InstallMainMenu() {
    MainMenuBuilder = [](TMainForm* form) {
        BuildMainMenu(form->MainMenu1, form, ProgramDialogs(),
                      [](const MenuEntry& entry) { RunMenuCommand(entry); });
        return EditionMenusOf(MainMenuEntries());
    };
}
