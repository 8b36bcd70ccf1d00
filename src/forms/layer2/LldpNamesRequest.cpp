#include "LldpNamesRequest.h"

#include "TEdit.h"

#include <utility>

LldpNamesRequest::LldpNamesRequest(TForm* owner, std::vector<NamedColumn> columns)
    : DialogRequest(owner), Columns(std::move(columns)) {}

void LldpNamesRequest::RowReceived() {
    for (const NamedColumn& named : Columns) {
        std::string& text = Request.VarList.GetVariable(named.Column).ValueText;
        text = BitsToNames(text, named.Names);
    }
    DialogRequest::RowReceived();
}

void LldpNamesRequest::PrepareSet() {
    DialogRequest::PrepareSet();
    for (const NamedColumn& named : Columns) {
        if (named.Field) {
            Request.VarList.GetVariable(named.Column).ValueText =
                NamesToBits(named.Field->Text(), named.Names);
        }
    }
}
