// The main menu's entries, one span per item of the menu bar, in the bar's order: "System",
// "Management", "Layer 2 ", "Layer 3", "QoS ", "ACL", "Security ", "Network Application", "OAM",
// "Monitoring", "Help" and "Refresh". Each span starts with its top-level item.
#pragma once

#include "MenuEntry.h"

#include <span>
#include <vector>

std::span<const MenuEntry> SystemMenuEntries();
std::span<const MenuEntry> ManagementMenuEntries();
std::span<const MenuEntry> Layer2MenuEntries();
std::span<const MenuEntry> Layer3MenuEntries();
std::span<const MenuEntry> QoSMenuEntries();
std::span<const MenuEntry> AclMenuEntries();
std::span<const MenuEntry> SecurityMenuEntries();
std::span<const MenuEntry> NetworkApplicationMenuEntries();
std::span<const MenuEntry> OamMenuEntries();
std::span<const MenuEntry> MonitoringMenuEntries();
std::span<const MenuEntry> HelpMenuEntries();
std::span<const MenuEntry> RefreshMenuEntries();

std::span<const std::span<const MenuEntry>> MainMenuSections();

// Every entry, in menu order.
const std::vector<const MenuEntry*>& MainMenuEntries();

// The entry of a command item by its handler's name (the first one for a handler that two items
// share), or null.
const MenuEntry* FindMenuCommand(std::string_view handler);
