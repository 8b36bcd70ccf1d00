// The wait that follows a long switch operation (enabling STP, activating a configuration, a test
// mail): the modal TProgressForm2 over the dialog, its bar advancing every second until it is
// full. ProgressForm2 points at the form while it shows and is null again afterwards, also when
// showing it raised. The SET that starts the operation is sent before, asynchronously, so its
// reply arrives while the form runs.
#pragma once

#include <string>

class TForm;

void ShowProgressWait(TForm* dialog, const std::string& caption, const std::string& prompt, int maximum = 80);
