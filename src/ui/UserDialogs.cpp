#include "UserDialogs.h"

#include "QtBridge.h"
#include "TApplication.h"
#include "TControl.h"

#include "Seam.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

// Production: a Qt message box over the active window.
class QtUserDialogs : public UserDialogService {
public:
    int Show(const UserDialog& d) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(ToQ(d.Title));
        box.setText(ToQ(d.Text));
        switch (d.Type) {
        case mtWarning:
            box.setIcon(QMessageBox::Warning);
            break;
        case mtError:
            box.setIcon(QMessageBox::Critical);
            break;
        case mtInformation:
            box.setIcon(QMessageBox::Information);
            break;
        case mtConfirmation:
            box.setIcon(QMessageBox::Question);
            break;
        case mtCustom:
            break;
        }
        struct Map {
            TMsgDlgBtn Button;
            QMessageBox::StandardButton Qt;
            int Result;
        } const map[] = {{mbYes, QMessageBox::Yes, mrYes},
                         {mbNo, QMessageBox::No, mrNo},
                         {mbOK, QMessageBox::Ok, mrOk},
                         {mbCancel, QMessageBox::Cancel, mrCancel},
                         {mbAbort, QMessageBox::Abort, mrAbort},
                         {mbRetry, QMessageBox::Retry, mrRetry},
                         {mbIgnore, QMessageBox::Ignore, mrIgnore}};
        QMessageBox::StandardButtons buttons;
        for (const Map& m : map) {
            if (d.Buttons & m.Button) {
                buttons |= m.Qt;
            }
        }
        box.setStandardButtons(buttons ? buttons : QMessageBox::Ok);
        int clicked = box.exec();
        for (const Map& m : map) {
            if (clicked == m.Qt) {
                return m.Result;
            }
        }
        // Closed without a button: the cancelling answer the box offers.
        if (d.Buttons & mbCancel) {
            return mrCancel;
        }
        if (d.Buttons & mbNo) {
            return mrNo;
        }
        return mrOk;
    }
};

QtUserDialogs DefaultDialogs;
Seam<UserDialogService> Installed(DefaultDialogs);
} // namespace

void SetUserDialogService(UserDialogService* service) {
    Installed.Set(service);
}
UserDialogService* CurrentUserDialogService() {
    return Installed.Get();
}

void ShowMessage(const std::string& text) {
    CurrentUserDialogService()->Show({DialogKind::Message, Application->Title(), text, mtCustom, mbOK});
}

std::string MessageDlgTitle(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirmation";
    case mtCustom:
        break;
    }
    return Application->Title();
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int) {
    return CurrentUserDialogService()->Show({DialogKind::Dialog, MessageDlgTitle(type), text, type, buttons});
}

int MessageBox(TControl*, const std::string& text, const std::string& caption, unsigned flags) {
    static const TMsgDlgButtons kButtons[] = {
        mbOK,         mbOK | mbCancel,   mbAbort | mbRetry | mbIgnore, mbYes | mbNo | mbCancel,
        mbYes | mbNo, mbRetry | mbCancel};
    unsigned set = flags & 0xF;
    TMsgDlgButtons buttons = set < 6 ? kButtons[set] : mbOK;
    TMsgDlgType type = mtCustom;
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        type = mtError;
        break;
    case MB_ICONQUESTION:
        type = mtConfirmation;
        break;
    case MB_ICONWARNING:
        type = mtWarning;
        break;
    case MB_ICONINFORMATION:
        type = mtInformation;
        break;
    default:
        break;
    }
    return CurrentUserDialogService()->Show({DialogKind::Box, caption, text, type, buttons});
}
