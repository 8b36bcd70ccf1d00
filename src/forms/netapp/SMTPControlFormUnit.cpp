#include "SMTPControlFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "InputValidators.h"
#include "MainUnit.h"
#include "Oid_smtp.h"
#include "OptionItems.h"
#include "ProgressWait.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TScrollBox.h"
#include "UserDialogs.h"

TSMTPControlForm* SMTPControlForm = nullptr;

namespace {

using T = TSMTPControlForm;

constexpr const char* kPleaseInputValue = "Please input value.";
constexpr const char* kEnableSmtpFirst = "Enable SMTP first if you want send a mail";
constexpr const char* kMayTakeLong = "To Send the mail may take a long time. Do you want to go on?";

constexpr auto& kTable = Columns::SMTPControlSettings;
constexpr int kSendTest = ColumnOf(kTable, "Send Test Message");
constexpr int kTimeout = 4000; // 40 s: the switch answers once it has talked to the mail server

// The texts the switch shows for "nothing": left out of a write.
constexpr const char* kNoServer = "0.0.0.0";
bool IsNoText(const TEdit* edit) {
    const std::string text = edit->Text();
    return text.empty() || text == " " || text == "NULL";
}
bool NoServer(const T& dialog) {
    return dialog.Ed_SourceAddress->Text() == kNoServer;
}
bool NoSelfMail(const T& dialog) {
    return IsNoText(dialog.Ed_SelfMailAddress);
}
bool NoSubject(const T& dialog) {
    return IsNoText(dialog.ED_Subject);
}
bool NoContent(const T& dialog) {
    return IsNoText(dialog.Ed_Content);
}

// The design's line i (96 DPI): the label, then the value.
constexpr FieldPlace Line(int i) {
    const int top = 16 + 36 * i;
    return {16, top + 3, 156, top, 176};
}

constexpr Field<T> kFields[] = {
    {.Column = ColumnOf(kTable, "Status"),
     .Caption = "SMTP Status",
     .Combo = &T::CB_Status,
     .Place = Line(0)},
    {.Column = ColumnOf(kTable, "Server Address"),
     .Caption = "Server Address",
     .Constraint = "%s",
     .Edit = &T::Ed_SourceAddress,
     .Place = Line(1),
     .Omit = NoServer},
    {.Column = ColumnOf(kTable, "Server Port"),
     .Caption = "Server  Port",
     .Constraint = "%i{n0x65535l5a}",
     .Edit = &T::Ed_SourcePort,
     .Place = Line(2)},
    {.Column = ColumnOf(kTable, "Self Mail Address"),
     .Caption = "Self Mail Address ",
     .Constraint = "%s{l254}",
     .Edit = &T::Ed_SelfMailAddress,
     .Place = Line(3),
     .Omit = NoSelfMail},
    {.Column = ColumnOf(kTable, "Test Messsage Subject"),
     .Caption = "Test Message Subject",
     .Constraint = "%s{l128}",
     .Edit = &T::ED_Subject,
     .Place = Line(4),
     .Omit = NoSubject},
    {.Column = ColumnOf(kTable, "Test Message Content"),
     .Caption = "Test Message Content",
     .Constraint = "%s{l512}",
     .Edit = &T::Ed_Content,
     .Place = Line(5),
     .Omit = NoContent},
    {.Column = kSendTest, .Caption = "Send Test Message", .Combo = &T::CB_SendTest, .Place = Line(6)},
    {.Column = ColumnOf(kTable, "Send Test Status"),
     .Caption = "Send Test Message Status",
     .Combo = &T::CB_SendTestStatus,
     .Place = Line(7)},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::Btn_Refresh, "Refresh", &T::Btn_RefreshClick},
    {&T::Btn_Set, "Set", &T::Btn_SetClick},
    {&T::Button1, "Close", &T::Button1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 451,
                                   .Height = 356,
                                   .Scale = DesignScale::None,
                                   .Position = poScreenCenter,
                                   .Caption = "SMTP Control Table",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TSMTPControlForm::TSMTPControlForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    // The design gives the client area: the size is made the client's.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    SetBorderIcons(biSystemMenu | biMinimize);
    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetParent(panel);
    ScrollBox1->SetAlign(alClient);
    Fields = BuildFields<T>(this, ScrollBox1, kFields, kTable);
    Table.Refreshing = {.Leaves = RefreshLeaves::Unchanged};
}

void TSMTPControlForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        // The main window owns the request, as it owns the dialog's commands.
        DialogRequest& request = Table.CreateRequest(MainForm, SMTPControlSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        request.Request.Timeout = kTimeout;
        Table.Read();
    });
}

void TSMTPControlForm::Btn_RefreshClick(TObject*) {
    Table.Refresh();
}

void TSMTPControlForm::Btn_SetClick(TObject*) {
    if (Ed_SourceAddress->Text().empty()) {
        Table.ShowText(kPleaseInputValue);
        return;
    }
    // An address the switch could not take would go out as 0.0.0.0 and clear its server.
    if (!CheckIPv4Text(Ed_SourceAddress)) {
        FocusField(Ed_SourceAddress);
        return;
    }
    const bool send = OptionSelected(CB_SendTest, "send");
    if (send) {
        if (OptionSelected(CB_Status, "disabled")) {
            ShowMessage(kEnableSmtpFirst);
            return;
        }
        if (MessageDlg(kMayTakeLong, mtConfirmation, mbOK | mbCancel) != mrOk) {
            Table.Read();
            return;
        }
    } else if (!OptionSelected(CB_SendTest, "noAction")) {
        Table.Read(); // neither: nothing to write
        return;
    }
    WriteCarry carry = Fields.Carry();
    if (!send) {
        carry.Without(kSendTest);
    }
    // The test mail's SET is answered while the progress form runs; the values are read again
    // after a write that went out, and a write that raised is left in the status line.
    const bool written = Table.Write(
        [&] {
            Table.Send(carry);
            if (send) {
                ShowProgressWait(nullptr, "Send the mail Progress", "Send the mail is processing...", 80);
            }
        },
        {.After = ReRead::None, .Locks = false});
    if (written) {
        Table.Read();
    }
}

void TSMTPControlForm::Button1Click(TObject*) {
    Close();
}

void TSMTPControlForm::FormClose(TObject*, TCloseAction& action) {
    Table.Closing();
    action = caFree;
}
