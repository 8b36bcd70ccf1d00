// The about box: the management module of the switch's model and the release. Shift+Alt+F3 on its
// OK button shows the full release text of the switch's firmware edition.
#pragma once

#include "TForm.h"

#include <string>

class TButton;
class TImage;
class TLabel;

class TAboutForm : public TForm {
public:
    // The texts the box reads are what the main window read: its sysObjectID label (ST_ModuleOID)
    // and its firmware type label (Mode_KB_KA), handed over by the opener.
    TAboutForm(TComponent* owner, std::string moduleOid, std::string firmwareType);

    const std::string ModuleOid;
    const std::string FirmwareType;

    TLabel* AboutLabel;
    TLabel* VersionLabel;
    TLabel* NoticeLabel;
    TImage* Image441024tc;
    TButton* BT_Ok;

    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void BT_OkClick(TObject* sender);
    void BT_OkKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
};

// The box while the About command shows it.
extern TAboutForm* AboutForm;

// The model's name in the about texts ("24RA", "48RO B1", ...) for a sysObjectID; "" for another.
std::string AboutModelText(const std::string& sysObjectId);
// The full release text for a firmware type ("KA", "KB"; anything else is the KC text).
std::string FullReleaseText(const std::string& firmwareType);
