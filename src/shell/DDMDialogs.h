// The four dialogs of digital diagnostic monitoring of optical transceivers, each a generic dialog
// over one DDM table of the catalogue. Each builds its dialog, shows it modally and deletes it;
// the caption is the dialog's title, ": " and the address text. The scale is the main window's
// DPI factor (1.0 at 96 DPI, else 1.25): the three table dialogs are 450 x scale high, truncated.
#pragma once

#include <string>

void ShowDDMInformationSettings(const std::string& address, double scale);
void ShowDDMStatusTable(const std::string& address, double scale);
void ShowDDMThresholdManagementTable(const std::string& address, double scale);
void ShowDDMPortManagementTable(const std::string& address, double scale);
