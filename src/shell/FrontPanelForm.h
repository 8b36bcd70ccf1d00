// The front-panel forms as the main window uses them. Each model has its own form class
// (TPanelZQS441024TCForm 24RA, TPanelZQS441024PCForm 24DA, TPanelZQS441024SCForm 24ZO,
// TPanelZQS441048TCForm 48DA, TPanelZQS441048PCForm 48RO, TPanelZQS441024SCDCForm 24ZO-DC), derived
// from TFrontPanelForm; the main window shows one per stack unit inside its ScrollBox1.
//
// The panel library sits above the shell, so the shell reaches the classes through a registry
// that the program fills at start (RegisterFrontPanelForm), by model index.
#pragma once

#include "TForm.h"

class TFrontPanelForm : public TForm {
public:
    // Builds the form from its design and nothing else: the design ClientWidth and ClientHeight
    // are valid at once. The main window passes itself as owner.
    explicit TFrontPanelForm(TComponent* owner) : TForm(owner) {}

    // The stack unit shown, 1 to 6; set by the creator before BuildPanelLeds. It is the instance of
    // the polled LED status, and UnitNumber - 1 the unit-digit image of the main window's ImageList1.
    int UnitNumber = 0;

    // Builds the panel for UnitNumber: one synchronous read of the unit's LED status, one LED shape
    // per LED, the unit digit, and polling every 5000 ms into the main window's status panel 0. It
    // reads SysObjectId and StackMode. It catches every exception itself; called once per form.
    virtual void BuildPanelLeds() = 0;
    // Closing (not modal) stops the polling and frees the form; deleting without closing is safe too.
};

// The model indexes of SupportedModels: 0 24RA, 1 24DA, 2 24ZO, 3 48DA, 4 48RO, 5 24ZO-DC.
constexpr int kModelCount = 6;

using TFrontPanelFormFactory = TFrontPanelForm* (*)(TComponent* owner);

// Registers the form class of a model; an index outside 0..5 raises std::out_of_range.
void RegisterFrontPanelForm(int modelIndex, TFrontPanelFormFactory factory);
// The panel form of that model, made with CreateForm (its OnCreate has run); null when no class is
// registered for the index.
TFrontPanelForm* CreateFrontPanelForm(int modelIndex, TComponent* owner);

// A factory for a registered class: RegisterFrontPanelForm(0, &MakeFrontPanelForm<TPanelZQS441024TCForm>).
template <class T> TFrontPanelForm* MakeFrontPanelForm(TComponent* owner) {
    return CreateForm<T>(owner);
}
