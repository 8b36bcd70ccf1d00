#include "MainUnit.h"

#include "About.h"
#include "DeviceFacts.h"
#include "DeviceModels.h"
#include "FrontPanelForm.h"
#include "HelpViewer.h"
#include "MenuTree.h"
#include "ModuleCommandLine.h"
#include "Oid_model.h"
#include "Oid_system.h"
#include "StackingPortUitFormUnit.h"
#include "StrToInt.h"
#include "TApplication.h"
#include "TImageList.h"
#include "TLabel.h"
#include "TListView.h"
#include "TMainMenu.h"
#include "TScreen.h"
#include "TScrollBox.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UserDialogs.h"
#include "VqMessageTable.h"
#include "VqSNMPRequest2Edits.h"
#include "VqSNMPSession.h"
#include "WaitingFormUnit.h"

#include <exception>
#include <functional>
#include <stdexcept>

TMainForm* MainForm = nullptr;
std::function<EditionMenus(TMainForm*)> MainMenuBuilder;

namespace {

constexpr std::initializer_list<const char*> kStackMenus = {"Unitinformation1", "UnitTable1"};

// The hidden components hold what the start-up requests read; nothing shows them.
template <class T> T* HiddenControl(TMainForm* form, TControl* parent, const char* name) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetVisible(false);
    return control;
}

// A synchronous request of the window over one catalogue table.
VqSNMPRequest2Edits* NewStartupRequest(TMainForm* form, const MibTableRow* table, int kind, int keyCount) {
    auto* request = new VqSNMPRequest2Edits(form);
    request->Request.VarList = VqSNMPVarList(table, kind, keyCount);
    request->Mode = 0;
    return request;
}

// What a failed read leaves: its error text, which a status panel shows.
std::string FailureText(const VqSNMPRequest2Edits* request) {
    return request->Request.LastError().Message;
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner) {
    // The main window is reached through MainForm from the moment it exists, as the requests and
    // panels it builds read it.
    MainForm = this;
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(poScreenCenter);
    SetClientWidth(768);
    SetClientHeight(138);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    AddMenuItems(MainMenu1, this, ShellMenuItems());
    if (MainMenuBuilder) {
        EditionMenuLists = MainMenuBuilder(this);
    }
    SetMenu(MainMenu1);
    MenuItem("About1")->OnClick = Bind(this, &TMainForm::About1Click);
    MenuItem("RefreshPanel2")->OnClick = Bind(this, &TMainForm::RefreshPanel1Click);
    MenuItem("Help2")->OnClick = Bind(this, &TMainForm::Help2Click);

    StatusBar = new TStatusBar(this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetParent(this);
    StatusBar->SetAlign(alBottom);
    StatusBar->Panels().Add()->SetWidth(50);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetAutoScroll(false);

    ST_StackMode = HiddenControl<TLabel>(this, ScrollBox1, "ST_StackMode");
    Mode_KB_KA = HiddenControl<TLabel>(this, ScrollBox1, "Mode_KB_KA");
    Mode_KB_KA->SetCaption("Mode_KB_KA");
    ST_ModuleOID = HiddenControl<TLabel>(this, ScrollBox1, "ST_ModuleOID");
    UnitListView = HiddenControl<TListView>(this, ScrollBox1, "UnitListView");
    ST_STPVersion = HiddenControl<TStaticText>(this, ScrollBox1, "ST_STPVersion");

    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    ImageList1->SetWidth(16);
    ImageList1->SetHeight(16);

    ScaleFactor = Screen->PixelsPerInch() == 96 ? 1.0 : 1.25;
    SetWidth(800);

    CreateGlobalSession("");
    SessionParameters.Security.Version = 0;
    for (VqMessageTable* table : AllMessageTables) {
        LoadMessageTable(*table, table->FileName);
    }
    if (!ParseCommandLine(ProgramArguments(), *this, WritableFacts().DeviceAddress, SessionParameters)) {
        ShowMessage("No parameter input");
        Application->Terminate();
    }
    MenuItem("VACM1")->SetEnabled(SessionParameters.Security.Version == 3);

    OnCreate = Bind(this, &TMainForm::FormCreate);
    OnActivate = Bind(this, &TMainForm::FormActivate);
    OnClose = Bind(this, &TMainForm::FormClose);
}

TMainForm::~TMainForm() {
    // The requests go while the controls they are bound to still exist.
    CloseUnitTableRequest();
    delete StackModeRequest;
    delete FirmwareTypeRequest;
    delete StpVersionRequest;
    delete ModuleOidRequest;
    if (MainForm == this) {
        MainForm = nullptr;
        // The units are the window's reading: they go with it, as the stack facts of no window.
        WritableFacts().UnitList.clear();
    }
}

void TMainForm::FormCreate(TObject*) {
    FirstBuild = true;
    ActivatedOnce = false;
    try {
        SetCaption(AddressText);
        SupportedModels = SupportedModelNames();
        StpVersionRequest = NewStartupRequest(this, MSTPPortStateSettings, SVT_SV, 0);
        StpVersionRequest->BindStaticText(0, ST_STPVersion);
        ModuleOidRequest = NewStartupRequest(this, SysObjectIdSettings, SVT_SV, 0);
        ModuleOidRequest->BindLabel(0, ST_ModuleOID);
        // Started without arguments the program is ending: it sends nothing.
        if (Application->Terminated()) {
            return;
        }
        if (!ModuleOidRequest->Get()) {
            // A switch that does not answer: the steps that build on its identity are skipped
            // and the window stays usable.
            SetStatusText(FailureText(ModuleOidRequest));
            return;
        }
        WritableFacts().SysObjectId = ST_ModuleOID->Caption();
        IdentifyModel();
        if (LoadUnitInformation()) {
            ApplyStackModeMenus();
            ApplyFirmwareModeMenus();
        }
    } catch (const std::exception& e) {
        SetStatusText(e.what());
    }
}

void TMainForm::FormActivate(TObject*) {
    if (ActivatedOnce) {
        return;
    }
    UnitPanelCount = 0;
    ActivatedOnce = true;
    // A switch that did not answer at start is asked again here, behind the waiting form: one more
    // bounded wait, and its failure replaces the start-up error in status panel 0.
    ShowWaitingForm("Initializing Panel");
    ApplyScrollingLayout();
}

void TMainForm::RefreshPanel1Click(TObject*) {
    if (MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation, mbOK | mbCancel) !=
        mrOk) {
        return;
    }
    FirstBuild = false;
    ShowWaitingForm(nullptr);
    ApplyScrollingLayout();
}

void TMainForm::ShowWaitingForm(const char* caption) {
    WaitingForm = CreateForm<TWaitingForm>(
        this, [this] { RebuildUnitPanels(); }, [this](const std::string& text) { SetStatusText(text); });
    if (caption) {
        WaitingForm->SetCaption(caption);
    }
    WaitingForm->ShowModal();
    delete WaitingForm;
    WaitingForm = nullptr;
}

void TMainForm::RebuildUnitPanels() {
    if (!LoadUnitInformation()) {
        return;
    }
    // A refresh frees the old panels only once the units could be read again: otherwise they stay.
    if (!FirstBuild) {
        FreeUnitPanels();
    }
    BuildUnitPanels();
    ApplyStackModeMenus();
}

void TMainForm::ApplyScrollingLayout() {
    if (UnitPanelCount < 5) {
        return;
    }
    // The same geometry after every build: the window is as wide as its panels plus the 20 pixels
    // of the scroll bar, however often Refresh runs (a failed one builds nothing and so must not
    // widen it again), and never taller than 500.
    ScrollBox1->SetAutoScroll(true);
    SetTop(20);
    SetHeight(500);
    SetClientWidth(PanelsClientWidth + 20);
    ScrollBox1->SetWidth(ClientWidth());
    ScrollBox1->SetHeight(430);
}

std::string TMainForm::UnitCell(const TListItem* row, const std::string& column) const {
    TListColumns& columns = UnitListView->Columns();
    for (int c = 0; c < columns.Count(); ++c) {
        if (columns[c]->Caption() != column) {
            continue;
        }
        if (c == 0) {
            return row->Caption();
        }
        return c - 1 < row->SubItems().Count() ? row->SubItems()[c - 1] : std::string();
    }
    return std::string();
}

void TMainForm::BuildUnitPanels() {
    UnitPanelCount = 0;
    LastPanel = nullptr;
    ScrollBox1->ScrollToTop();
    if (ST_StackMode->Caption() != "enabled") {
        BuildStandalonePanel();
        return;
    }
    TListItems& rows = UnitListView->Items();
    for (int i = 0; i < rows.Count(); ++i) {
        try {
            const TListItem* row = rows[i];
            const std::string exist = UnitCell(row, "Exist State");
            if (exist == "no-exist" || exist == "(NOTDONE)") {
                continue;
            }
            const std::string moduleName = UnitCell(row, "Module Name");
            // Not used further, but a unit whose port numbers are no numbers gets no panel.
            StrToInt(UnitCell(row, "Start Port"));
            StrToInt(UnitCell(row, "Port Range"));
            ++UnitPanelCount;
            AddUnitPanel(moduleName, row->Caption());
        } catch (const std::exception& e) {
            SetStatusText(e.what());
            break;
        }
    }
}

void TMainForm::AddUnitPanel(const std::string& moduleName, const std::string& unitId) {
    for (size_t i = 0; i < SupportedModels.size(); ++i) {
        if (moduleName != SupportedModels[i]) {
            continue;
        }
        TFrontPanelForm* panel = CreateFrontPanelForm(static_cast<int>(i), this);
        if (!panel) {
            return;
        }
        const int height = panel->ClientHeight(), width = panel->ClientWidth();
        panel->UnitNumber = StrToInt(unitId);
        panel->BuildPanelLeds();
        PlaceUnitPanel(panel, width, height);
        return;
    }
}

void TMainForm::BuildStandalonePanel() {
    std::string unitId;
    for (const StackUnitRow& row : Facts().UnitList) {
        if (row.ModuleName != "NOT_EXIST" && row.CurrentMode == "master") {
            unitId = row.UnitId;
        }
    }
    const int model = ModelOfSysObjectId(Facts().SysObjectId);
    // Without a master row there is no unit to show.
    if (model == 0 || unitId.empty()) {
        return;
    }
    const int unitNumber = StrToInt(unitId);
    TFrontPanelForm* panel = CreateFrontPanelForm(model - kFirstModel, this);
    if (!panel) {
        return;
    }
    const int height = panel->ClientHeight(), width = panel->ClientWidth();
    panel->UnitNumber = unitNumber;
    panel->BuildPanelLeds();
    PlaceUnitPanel(panel, width, height);
    ScrollBox1->SetAutoScroll(false);
}

void TMainForm::PlaceUnitPanel(TFrontPanelForm* panel, int width, int height) {
    panel->SetParent(ScrollBox1);
    panel->SetLeft(0);
    ScrollBox1->SetAlign(alNone);
    if (LastPanel) {
        panel->SetTop(LastPanel->Top() + LastPanel->ClientHeight() + 1);
        if (ClientWidth() < width + 3) {
            SetClientWidth(width + 3);
        }
    } else {
        panel->SetTop(0);
        SetClientWidth(width + 3);
    }
    LastPanel = panel;
    PanelsClientWidth = ClientWidth();
    SetClientHeight(panel->Top() + height + StatusBar->Height() + static_cast<int>(UnitPanels.size()) + 3);
    ScrollBox1->SetAlign(alClient);
    panel->Show();
    if (Width() < panel->Width()) {
        SetWidth(panel->Width() + 4);
    }
    UnitPanels.push_back(panel);
    ScrollBox1->FitContent();
}

void TMainForm::FreeUnitPanels() {
    for (TForm* panel : UnitPanels) {
        panel->Close();
        delete panel;
    }
    UnitPanels.clear();
    LastPanel = nullptr;
}

void TMainForm::FormClose(TObject*, TCloseAction& action) {
    action = caFree;
    CloseUnitTableRequest();
    UnitPanels.clear();
}

void TMainForm::CloseUnitTableRequest() {
    if (!UnitTableRequest) {
        return;
    }
    UnitTableRequest->Request.Active = false;
    const bool idle = Application->WaitUntil(
        [this] { return !UnitTableRequest->Busy; },
        ReplyWaitBoundMs(UnitTableRequest->Request.Timeout, UnitTableRequest->Request.Retries));
    // After a reply's whole wait the request's destructor would only wait again (its own bound on
    // top of this one): what is still in flight is forgotten at once.
    if (!idle) {
        UnitTableRequest->Request.Close(0);
    }
    delete UnitTableRequest;
    UnitTableRequest = nullptr;
}

void TMainForm::IdentifyModel() {
    WritableFacts().ModelName = ModelNameOf(Facts().SysObjectId);
}

bool TMainForm::LoadUnitInformation() {
    struct Startup {
        VqSNMPRequest2Edits* TMainForm::*Request;
        const MibTableRow* Table;
        int Kind;
        int KeyCount;
        const char* CreationFailure;
    };
    const Startup startups[] = {
        {&TMainForm::UnitTableRequest, StartupUnitTable, MVT_FMV, 1, "Initial Unit Information Failed"},
        {&TMainForm::StackModeRequest, StackModeSettings, SVT_SV, 0, "Initial Stack Information Failed"},
        {&TMainForm::FirmwareTypeRequest, FirmwareTypeSettings, SVT_SV, 0, "Get Firmware Mode Failed."},
    };
    for (const Startup& s : startups) {
        if (this->*s.Request) {
            continue;
        }
        try {
            VqSNMPRequest2Edits* request = NewStartupRequest(this, s.Table, s.Kind, s.KeyCount);
            this->*s.Request = request;
            request->SetStatusPanel(StatusBar->Panels()[0]);
            if (s.Request == &TMainForm::UnitTableRequest) {
                request->BindListView(UnitListView, true);
            } else {
                request->BindLabel(0, s.Request == &TMainForm::StackModeRequest ? ST_StackMode : Mode_KB_KA);
            }
        } catch (const std::exception&) {
            SetStatusText(s.CreationFailure);
            return false;
        }
    }
    constexpr const char* kReadFailure = "Get Unit Information Failed";
    try {
        if (!StackModeRequest->Get()) {
            SetStatusText(kReadFailure);
            return false;
        }
        WritableFacts().StackMode = ST_StackMode->Caption();
        if (!UnitTableRequest->Get()) {
            SetStatusText(kReadFailure);
            return false;
        }
        WritableFacts().UnitList = ReadStackUnitRows(UnitListView);
        if (!FirmwareTypeRequest->Get()) {
            SetStatusText(kReadFailure);
            return false;
        }
        WritableFacts().FirmwareMode = Mode_KB_KA->Caption();
        Application->WaitUntil(
            [this] { return !UnitTableRequest->Busy; },
            ReplyWaitBoundMs(UnitTableRequest->Request.Timeout, UnitTableRequest->Request.Retries));
    } catch (const std::exception&) {
        SetStatusText(kReadFailure);
        return false;
    }
    return true;
}

void TMainForm::ApplyFirmwareModeMenus() {
    const EditionMenus& menus = EditionMenuLists;
    SetMenuVisible(menus.HiddenInEveryEdition, false);
    if (Facts().FirmwareMode == "KA") {
        SetMenuVisible(menus.HiddenInKA, false);
    } else if (Facts().FirmwareMode == "KC") {
        SetMenuVisible(menus.ShownInKC, true);
        SetMenuVisible(menus.HiddenInKC, false);
    }
}

void TMainForm::ApplyStackModeMenus() {
    try {
        if (StackModeRequest && !StackModeRequest->Get()) {
            // A stack mode that cannot be read shows no stack menus, and says why.
            SetStatusText(FailureText(StackModeRequest));
            SetMenuVisible(kStackMenus, false);
            return;
        }
        const std::string mode = ST_StackMode->Caption();
        if (mode == "disabled") {
            SetMenuVisible(kStackMenus, false);
        } else if (mode == "enabled") {
            SetMenuVisible(kStackMenus, true);
        }
    } catch (const std::exception& e) {
        SetStatusText(e.what());
        SetMenuVisible(kStackMenus, false);
    }
}

std::vector<std::string> TMainForm::BuildModuleCommandLine(const std::string& key) const {
    return ::BuildModuleCommandLine(*this, SessionParameters.Security.Version, key);
}

void TMainForm::LaunchModule(const std::string& key, int) {
    try {
        std::string failure = StartModule(*this, SessionParameters.Security.Version, key);
        if (!failure.empty()) {
            SetStatusText(failure);
        }
    } catch (const std::exception& e) {
        SetStatusText(e.what());
    }
}

void TMainForm::About1Click(TObject*) {
    AboutForm = CreateForm<TAboutForm>(Application, ST_ModuleOID->Caption(), Mode_KB_KA->Caption());
    AboutForm->ShowModal();
    delete AboutForm;
    AboutForm = nullptr;
}

void TMainForm::Help2Click(TObject*) {
    // The viewer reports a file it cannot read; the command does not look.
    ShowHelp(Application->ExeDir() + "/" + kHelpFileName, HELP_CONTENTS);
}

void TMainForm::SetStatusText(const std::string& text) {
    StatusBar->Panels()[0]->SetText(text);
}

std::string TMainForm::StatusText() const {
    return StatusBar->Panels()[0]->Text();
}

TMenuItem* TMainForm::MenuItem(const char* name) const {
    auto* item = dynamic_cast<TMenuItem*>(FindComponent(name));
    if (!item) {
        throw std::logic_error(std::string("no menu item ") + name);
    }
    return item;
}

void TMainForm::SetMenuVisible(std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names) {
        MenuItem(name)->SetVisible(visible);
    }
}

void TMainForm::SetMenuVisible(const std::vector<std::string>& names, bool visible) {
    for (const std::string& name : names) {
        MenuItem(name.c_str())->SetVisible(visible);
    }
}
