#include "ProgressWait.h"

#include "Progress2.h"
#include "TApplication.h"
#include "TLabel.h"
#include "TProgressBar.h"

#include <memory>

void ShowProgressWait(TForm* dialog, const std::string& caption, const std::string& prompt, int maximum) {
    std::unique_ptr<TProgressForm2> form(CreateForm<TProgressForm2>(Application, dialog));
    struct GlobalScope {
        explicit GlobalScope(TProgressForm2* f) { ProgressForm2 = f; }
        ~GlobalScope() { ProgressForm2 = nullptr; }
        GlobalScope(const GlobalScope&) = delete;
        GlobalScope& operator=(const GlobalScope&) = delete;
    } global(form.get());
    form->SetCaption(caption);
    form->LB_Prompt->SetCaption(prompt);
    form->ProgressBar->SetMax(maximum);
    form->ShowModal();
}
