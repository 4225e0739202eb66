#pragma once

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class KyOptionList;

// One binding of a KySNMPRequest2Edits: the controls that show a variable, or a fixed-width piece of it
// at a byte offset. The controls belong to the form; a control destroyed before the binder is skipped.
struct KyControlBinding {
    int VarIndex = 0;
    int ByteOffset = 0;   // first octet of the piece; 0 for whole-value bindings
    int PartSyntax = 0;   // the piece's syntax; the variable's own for whole-value bindings
    const KyOptionList* Options = nullptr;  // none: a whole-value binding uses the variable's list
    std::vector<int> PartNumbers;           // bit numbers of check-box rows and control lists, in control order
    std::string TextEncoding;               // of a display string in one edit; empty: one octet a character
    std::vector<QPointer<QWidget>> Controls;

    int ControlCount() const { return int(Controls.size()); }
};
