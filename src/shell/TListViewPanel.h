#pragma once

#include "TListView.h"
#include "TPanel.h"

#include <string>

class TCtrlBtnPanel;
class VqSNMPRequest2Edits;

// The list of a table's rows, bound to the request.
class TListViewPanel : public TPanel {
public:
    TListViewPanel(TControl* owner, VqSNMPRequest2Edits* request);

    TListView* ListView;
    int DeleteRow = -1;
    int AddRow = -1;
    std::string AddValue;
    std::string DeleteValue;

    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
};
