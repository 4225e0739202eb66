#pragma once

#include <string>

// The SNMPv3 engine-boots counter file: one line "<engine ID> <boots>" per engine ID.

// 0 found; -1 no line for the engine ID; -2 the file cannot be opened (boots 0 for both);
// -3 engine ID over 32 bytes or a malformed line.
int getBootCounter(const std::string& fileName, const std::string& engineId, unsigned& boots);

// Rewrites the file with the engine ID's new count, keeping the other lines; written to a temporary file
// and renamed, so a crash never leaves half a file. 0 on success.
int saveBootCounter(const std::string& fileName, const std::string& engineId, unsigned boots);
