#pragma once

#include <string>
#include <vector>

// The program after QApplication exists: builds the main window from the command line (without the
// program name), shows it and runs the message loop. Returns the exit status; a failure at start is
// shown in a message box and gives a non-zero status without showing the window.
int RunProgram(const std::vector<std::string>& args);
