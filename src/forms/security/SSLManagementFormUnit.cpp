#include "SSLManagementFormUnit.h"

#include "CatalogueColumns.h"
#include "DialogFrame.h"
#include "FieldChecks.h"
#include "FieldTable.h"
#include "Oid_ssl.h"
#include "OptionItems.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "UserDialogs.h"

#include <array>

TSSLManagementForm* SSLManagementForm = nullptr;

namespace {

using T = TSSLManagementForm;

constexpr const char* kSomeItemsEmpty = "Some items are empty.";
constexpr const char* kEnabled = "enabled";
constexpr const char* kDisabled = "disabled";

constexpr auto& kTable = Columns::SSLManagementSettings;
constexpr int kState = ColumnOf(kTable, "Status Administration");
constexpr int kCipherSuites = ColumnOf(kTable, "Cipher Suites");
constexpr int kCacheTimeout = ColumnOf(kTable, "Cache Timeout");

// The suites by their bit in the bit string's first hexadecimal digit.
struct Suite {
    TComboBox* T::*Box;
    TLabel* T::*Label;
    const char* Caption;
    int Bit;
};
constexpr std::array<Suite, 4> kSuites = {{
    {&T::cbxciphersuites1, &T::Label3, "RSA-with-RC4-128-MD5", 8},
    {&T::cbxciphersuites2, &T::Label4, "RSA-with-3DES-EDE-CBC-SHA", 4},
    {&T::cbxciphersuites3, &T::Label5, "DHE-DSS-with-3DES-EDE-CBC-SHA", 2},
    {&T::cbxciphersuites4, &T::Label6, "RSA-EXPORT-with-RC4-40-MD5", 1},
}};
constexpr size_t kCipherTextLength = 2; // one octet

constexpr Field<T> kFields[] = {
    {.Column = kState,
     .Caption = "SSL Status",
     .Combo = &T::cbxSSLVersion,
     .Label = &T::Label1,
     .Group = &T::GroupBox1,
     .Place = {12, 21, 150, 18, 150}},
    {.Column = kCipherSuites,
     .Constraint = "%s{l2}",
     .Edit = &T::edtciphersuites,
     .Place = {0, 0, 320, 0, 40},
     .Flags = kFieldHidden},
    {.Column = kCacheTimeout,
     .Caption = "Cache Timeout ",
     .Constraint = "%i{n60x86400l5}",
     .Edit = &T::edtCacheTimeOut,
     .Label = &T::Label2,
     .Group = &T::GroupBox1,
     .Place = {12, 49, 150, 46, 150}},
};

constexpr ButtonSpec<T> kButtons[] = {
    {&T::btnGet, "Refresh", &T::btnGetClick},
    {&T::btnSet, "Set", &T::btnSetClick},
    {&T::btn1, "Close", &T::btn1Click},
};

constexpr DialogFrame<T> kFrame = {.Width = 492,
                                   .Height = 240,
                                   .Caption = "SSL Management Table",
                                   .Buttons = kButtons,
                                   .ListHeight = DialogFrame<T>::kNoList,
                                   .ButtonPanel = &T::Panel1,
                                   .FieldPanel = &T::Panel2,
                                   .StatusBar = &T::StatusBar1,
                                   .OnCreate = &T::FormCreate,
                                   .OnClose = &T::FormClose};

} // namespace

TSSLManagementForm::TSSLManagementForm(TComponent* owner) : TForm(owner), Table(DialogGuard::None()) {
    TPanel* panel = BuildFrame(this, kFrame, Table);
    // The design gives the client area: the scaled size is made the client's.
    const int width = Width();
    const int height = Height();
    SetClientWidth(width);
    SetClientHeight(height);
    GroupBox1 = AddGroupBox(this, panel, 8, 6, 372, 76, "SSL Settings");
    GroupBox2 = AddGroupBox(this, panel, 8, 88, 372, 124, "SSL Ciphersuite Settings");
    for (size_t i = 0; i < kSuites.size(); ++i) {
        const int top = 18 + 25 * static_cast<int>(i);
        this->*kSuites[i].Label = AddLabel(this, GroupBox2, 12, top + 3, kSuites[i].Caption);
        this->*kSuites[i].Box = AddEditableCombo(this, GroupBox2, 240, top, 120, {kDisabled, kEnabled}, {});
    }
    Fields = BuildFields<T>(this, panel, kFields, kTable);
    // The suites are decoded from a read that went well only: a failed one leaves them as they are.
    Table.AfterRead = [this] {
        if (Table.LastReadError.Code == 0) {
            ShowCipherSuites();
        }
    };
}

void TSSLManagementForm::FormCreate(TObject*) {
    Table.Attempt([this] {
        DialogRequest& request = Table.CreateRequest(this, SSLManagementSettings, SVT_SV, 0);
        BindFields<T>(this, nullptr, request, kFields);
        Table.Read();
    });
}

void TSSLManagementForm::ShowCipherSuites() {
    const std::string text = edtciphersuites->Text();
    if (text.size() != kCipherTextLength) {
        return;
    }
    const char digit = text[0];
    int value = 0;
    if (digit >= '0' && digit <= '9') {
        value = digit - '0';
    } else if (digit >= 'A' && digit <= 'F') {
        value = digit - 'A' + 10;
    } else if (digit >= 'a' && digit <= 'f') {
        value = digit - 'a' + 10;
    } else {
        return;
    }
    for (const Suite& suite : kSuites) {
        SelectOption(this->*suite.Box, (value & suite.Bit) ? kEnabled : kDisabled);
    }
}

std::string TSSLManagementForm::CipherSuitesDigit() const {
    int value = 0;
    for (const Suite& suite : kSuites) {
        if (OptionSelected(this->*suite.Box, kEnabled)) {
            value += suite.Bit;
        }
    }
    return std::string(1, "0123456789ABCDEF"[value]);
}

void TSSLManagementForm::btnGetClick(TObject*) {
    // No frame of the dialog's: what the read raises reaches the application's error box; a read
    // that fails later is reported at its end.
    if (Table.Request) {
        Table.Request->Get();
    }
}

void TSSLManagementForm::btnSetClick(TObject*) {
    bool empty = cbxSSLVersion->Text().empty() || edtCacheTimeOut->Text().empty();
    for (const Suite& suite : kSuites) {
        empty = empty || (this->*suite.Box)->Text().empty();
    }
    if (empty) {
        MessageDlg(kSomeItemsEmpty, mtWarning, mbOK);
        FocusField(btnSet);
        return;
    }
    // One octet whose low digit is zero.
    edtciphersuites->SetText(CipherSuitesDigit() + "0");
    // A scalar group is not read again after its write.
    Table.Write(Fields.Carry(), {.After = ReRead::None, .Locks = false});
}

void TSSLManagementForm::btn1Click(TObject*) {
    Close();
}

void TSSLManagementForm::FormClose(TObject*, TCloseAction&) {
    Table.Closing();
}
