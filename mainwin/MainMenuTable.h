#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum class TMenuKind : std::uint8_t { Item, Submenu, Separator };

// One item of the main menu as the form lays it out: caption, component name (the object name of its
// action, or of its menu for a submenu), the component name of the menu it sits in (none for the top
// menus), the click handler by name and whether the form shows it before any profile or state.
struct TMainMenuEntry {
    const char* Caption;
    const char* Name;
    const char* Parent;
    const char* Handler;  // nullptr: no click handler
    TMenuKind Kind;
    bool Visible;
};

// Every item of the main menu in menu order, parents before their children.
std::span<const TMainMenuEntry> mainMenuTable();
// The entry of that component name; null when the menu has none.
const TMainMenuEntry* FindMainMenuEntry(std::string_view name);
