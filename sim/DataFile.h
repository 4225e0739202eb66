#pragma once
// Reads a data file into a Store. The whole file is checked before anything is served: the first
// malformed line throws DataError with the file, line number and reason.
//
// Syntax, one statement a line, '#' starts a comment outside quotes:
//   OID [ro|rw] TYPE VALUE [| VALUE ...]     an instance; several values are served in turn, one per read
//   @table ENTRY-OID index=KIND[,KIND...] [rowstatus=COL] [entrystatus=COL [entryvalid=N]]
//   (an entry status column creates its row with the value "valid", 1 unless entryvalid says, and
//   deletes it with 2 "invalid"; mirror=COL:PART[,...] makes a readable column of a row created by a SET
//   repeat that part of its index, counted from 1)
//   @column COL ro|rw TYPE [DEFAULT]          a column of the table declared last
//   @include FILE                             another data file, relative to this one
// TYPE is INTEGER, STRING, OID, IPADDRESS, COUNTER32, GAUGE32, TIMETICKS, COUNTER64 or NULL; TIMETICKS
// "uptime" is the agent's live clock. A NULL object (value -) answers GET only: walks pass over it,
// because the agent library reads a NULL answer to GETNEXT as "nothing here". KIND is integer, ipaddress, string, implied, mac, ipv6 or
// inetaddress. Instances of a declared table take their access and type from its column.
#include "Store.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace trvsim {

class DataError : public std::runtime_error {
public:
    DataError(const std::string& file, int line, const std::string& reason)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason)
    {
    }
};

class DataFile {
public:
    static Store load(const std::string& path);
    // The first file, then variants: a table a variant declares replaces, with all its rows, the table an
    // earlier file declares at the same entry.
    static Store load(const std::vector<std::string>& paths);
    // Parses one instance line ("OID TYPE VALUE") for the control interface; throws std::invalid_argument.
    static Binding parseBinding(const std::string& line);
};

} // namespace trvsim
