#pragma once

#include "TListView.h"
#include "TListViewPanel.h"
#include "TSNMPEditorPanel.h"

#include <string>

// A panel listing a table's rows, with Add, Edit and Delete.
class TSNMPListViewPanel : public TSNMPEditorPanel {
public:
    TSNMPListViewPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TListViewPanel* ListPanel;

    // Makes Add (or Delete) available: the row's combo box must hold the value.
    void SetAddStatus(int row, const std::string& value);
    void SetDeleteStatus(int row, const std::string& value);
    void ShowStopButton();

    void RefreshListClick(TObject* sender);
    void AddClick(TObject* sender);
    void EditClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void ListClick(TObject* sender);
    void ListDblClick(TObject* sender);
    void ListChange(TObject* sender, TListItem* item, TItemChange change);
    void ListMouseMove(TObject* sender, TShiftState shift, int x, int y);

    void ShowAddDialog();
    void ShowEditDialog();

private:
    class SubDialog;
    std::string SubDialogCaption(const std::string& suffix) const;
    void UpdateCount();
};
