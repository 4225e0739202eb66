#pragma once

#include "KySNMPVarList.h"

#include <vector>

// Leaves columns out of one write: every access word of the list is saved, the excluded columns are
// marked invalid, and all words come back when the write is over, also when it fails or throws.
class TMaskedWrite {
public:
    TMaskedWrite(KySNMPVarList& list, const std::vector<int>& excluded) : List(list) {
        for (int i = 0; i < List.GetCount(); ++i) SavedAccess.push_back(List.GetVar(i).Access);
        for (int position : excluded)
            if (position >= 0 && position < List.GetCount()) List.GetVar(position).Access |= afInvalid;
    }
    ~TMaskedWrite() {
        for (int i = 0; i < List.GetCount() && i < int(SavedAccess.size()); ++i)
            List.GetVar(i).Access = SavedAccess[std::size_t(i)];
    }
    TMaskedWrite(const TMaskedWrite&) = delete;
    TMaskedWrite& operator=(const TMaskedWrite&) = delete;

private:
    KySNMPVarList& List;
    std::vector<int> SavedAccess;
};
