#pragma once

#include "StartupSettings.h"

#include <QStringList>
#include <QUrl>

#include <functional>
#include <string>

// The sibling viewer program and its arguments for a page argument such as "/TMIB_ARP": the program is
// the text between "/T" and the first "_"; the arguments carry the device address, the session's
// credentials (the SNMPv3 switches for a version-3 session, the communities otherwise), then the page
// argument. One argument per switch, so values with blanks stay whole. Program first.
QStringList ComposeViewerCommand(const TLaunchParameters& launch, bool version3, const std::string& pageArgument);

// Starts the viewer, found beside this program first and then on the search path; a viewer that is
// missing or does not start stays silent.
void LaunchViewer(const TLaunchParameters& launch, bool version3, const std::string& pageArgument);

// The help file beside the program.
QString HelpFilePath();
// Opens a file with the desktop's handler; tests replace it.
extern std::function<bool(const QUrl&)> HelpLauncher;
// Opens the help file at its contents; nothing happens, and nothing is said, when it is missing.
void OpenHelpFile();
