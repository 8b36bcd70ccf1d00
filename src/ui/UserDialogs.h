// Seam: every message box of the program goes through one service.
//
// ShowMessage, MessageDlg, MessageBox (the application's and the window API's) and the standard
// exception box build a UserDialog and hand it to the current UserDialogService. Production shows a
// Qt message box; tests install a scripted service (src/ui/testing) that records each box and
// answers from a script, and fails the test on a box it was not told to expect.
#pragma once

#include "Events.h"

#include <string>

enum class DialogKind {
    Message,   // ShowMessage: title = Application title, OK only
    Dialog,    // MessageDlg: title = the type's word, the given buttons
    Box,       // MessageBox: the caller's title, MB_ flags
    Exception, // the standard exception box: title = Application title
};

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
};
using TMsgDlgButtons = unsigned;

// MessageBox flags and results (results equal the modal results: IDOK = mrOk ...).
constexpr unsigned MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
                   MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_ICONHAND = 0x10, MB_ICONERROR = 0x10,
                   MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
                   MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40,
                   MB_DEFBUTTON2 = 0x100;
constexpr int IDOK = mrOk, IDCANCEL = mrCancel, IDABORT = mrAbort, IDRETRY = mrRetry, IDIGNORE = mrIgnore,
              IDYES = mrYes, IDNO = mrNo;

struct UserDialog {
    DialogKind Kind = DialogKind::Message;
    std::string Title;
    std::string Text;
    TMsgDlgType Type = mtCustom; // the icon: from MessageDlg, or derived from MB_ICON* flags
    TMsgDlgButtons Buttons = mbOK;
};

class UserDialogService {
public:
    virtual ~UserDialogService() = default;
    // Shows the box and returns the button chosen (mrOk, mrCancel, mrYes, mrNo, ...).
    virtual int Show(const UserDialog& dialog) = 0;
};

// The service in force; null restores the Qt message boxes. The caller keeps ownership.
void SetUserDialogService(UserDialogService* service);
UserDialogService* CurrentUserDialogService();

void ShowMessage(const std::string& text);
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// The window API's box (MessageBoxA): the owner window only places it.
class TControl;
int MessageBox(TControl* owner, const std::string& text, const std::string& caption, unsigned flags);
// The word MessageDlg shows as the title of each type ("Confirmation", "Error", ...).
std::string MessageDlgTitle(TMsgDlgType type);
