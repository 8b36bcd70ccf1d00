// Constraints on edits: what an edit bound to an SNMP variable accepts, enforced while the user
// types and when the field is left.
//
// An attached edit's OnChange and OnExit are taken over. The change filter removes a forbidden
// character at once with a beep (Beep(1000, 200)), removes the exit character and moves on, and
// moves on by itself when an auto-advance field is full. The exit check refuses a bad value with a
// message box owned by the owner form, puts the last accepted text back and returns the focus to
// the field. The edit's own handlers keep working: they run after the constraint's checks pass, and
// may veto by setting the edit's Tag to -1. Texts "(NOTDONE)" and "(NULL)" are never filtered or
// checked. The constraint language itself is EditConstraintFormat.
#pragma once

#include "EditConstraintFormat.h"
#include "Events.h"
#include "InputValidators.h"
#include "TObject.h"

#include <memory>
#include <string>
#include <vector>

class TControl;
class TEdit;
class TForm;

// One constrained edit. (The design's record name begins with an underscore and a capital, which
// C++ reserves.)
struct EditConstraintRecord {
    TEdit* Edit = nullptr;
    std::weak_ptr<const bool> EditAlive;
    EditConstraintFormat Format;
    TCheckFunction CheckFunction;
    std::string AcceptedText; // the text at the last passed exit check
    bool Refused = false;     // the last exit check refused, and the text has not changed since
    TNotifyEvent SavedOnChange;
    TNotifyEvent SavedOnExit;
};

class VqEditConstraint : public TObject {
public:
    VqEditConstraint(TForm* ownerWindow, bool rememberAccepted);
    // Gives the edits that are still alive their own handlers back.
    ~VqEditConstraint() override;

    // Parses the string and attaches it. A malformed string raises VqException -2 and changes
    // nothing. Attaching again replaces the settings and keeps the handlers saved the first time.
    void AttachConstraint(const std::string& constraint, TEdit* edit);
    void AttachCheckedConstraint(const std::string& constraint, TEdit* edit, TCheckFunction check);
    // The k-th constraint of a string of several goes to edit k; an edit missing for one raises
    // VqException -12 after the parts before it were attached.
    void AttachConstraints(const std::string& constraint, const std::vector<TEdit*>& edits);
    void AttachCheckedConstraints(const std::string& constraint, const std::vector<TEdit*>& edits,
                                  TCheckFunction check);
    // Gives the edit its own handlers back and forgets it; nothing for an edit without constraint.
    void DetachConstraint(TEdit* edit);

    EditConstraintRecord* FindConstraint(const TControl* control);
    void StoreAcceptedText(TEdit* edit);
    void SetConstraintOwnerWindow(TForm* form) { OwnerWindow = form; }
    TForm* ConstraintOwnerWindow() const { return OwnerWindow; }
    int Count() const { return static_cast<int>(Records.size()); }
    // Whether an edit's exit check refused its text and the text has not changed since: a click
    // that left the field was refused there, and what the click does should stop too.
    bool AnyRefused() const;

    void ConstraintOnChange(TObject* sender);
    void ConstraintOnExit(TObject* sender);

private:
    void Attach(const std::string& constraint, TEdit* edit, TCheckFunction check);
    // The message of a refusal ("" for none), or nullopt when the text passes.
    std::optional<std::string> RefusalOf(EditConstraintRecord& record, TEdit* edit, const std::string& text);
    void Refuse(TEdit* edit, const std::string& message);
    void RestoreText(TEdit* edit, const std::string& text);

    TForm* OwnerWindow;
    bool RememberAccepted;
    std::vector<std::unique_ptr<EditConstraintRecord>> Records;
    bool Restoring = false; // putting an accepted text back: no auto-advance away from the field
};
