#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One message table: built-in texts that a message file may replace once at start-up. Texts are
// 8-bit (Latin-1) bytes.
class KyMessageTable {
public:
    template <std::size_t N>
    constexpr explicit KyMessageTable(const char* const (&builtIn)[N]) : BuiltIn(builtIn), BuiltInCount(int(N)) {}

    // Number of codes the table covers; a loaded file may hold fewer or more lines.
    int GetCount() const { return BuiltInCount; }
    // The loaded text of the entry; beyond a short file, and for a table never loaded, the built-in one.
    std::string Text(int index) const;
    void Replace(std::vector<std::string> texts) { Loaded = std::move(texts); }

private:
    const char* const* BuiltIn;
    int BuiltInCount;
    std::vector<std::string> Loaded;
};

extern KyMessageTable SNMPErrorTexts;       // -101 .. -118, agent error-status
extern KyMessageTable SNMPv3ErrorTexts;     // -201 .. -217
extern KyMessageTable SNMPUSMErrorTexts;    // -301 .. -314
extern KyMessageTable SNMPClassErrorTexts;  // -401 .. -423
extern KyMessageTable KySNMPErrorTexts;     // 0 and -501 .. -528
extern KyMessageTable SNMPStatusTemplates;  // status-line templates: 0 Get, 1 Set
extern KyMessageTable CommonErrorTexts;     // -1 .. -25 (entry 0 " Ok!")

// Maps a status of the SNMP layer (SNMP++ numbering) to our code and its current text.
void mapSNMPStatus(int status, int& code, std::string& message);

// Current text of one of our codes; a code outside every family reads "Unknown error code!".
std::string messageOf(int code);

// Replaces the table by the non-blank lines of the file (LF, CRLF or CR line ends). A missing or
// blank file keeps the table as it is; returns whether the file was taken.
bool loadMessageFile(KyMessageTable& table, const std::string& fileName);

// Loads the seven message files from <directory>/errmsg, in the order the start-up uses.
void loadMessageFiles(const std::string& directory);
