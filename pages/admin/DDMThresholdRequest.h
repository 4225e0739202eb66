#pragma once

#include "KySNMPRequest2Edits.h"

#include <optional>
#include <string>

// The binder of the DDM threshold table: a row's thresholds are read for editing without their last three
// digits (however the row was chosen), and a Set scales them back, so a threshold left as it was goes back
// as it was read.
class NewRequest2EditsForDDMThreshold : public KySNMPRequest2Edits {
public:
    explicit NewRequest2EditsForDDMThreshold(QWidget* owner);

    // A threshold as the editor shows it: "-" for a text that is no integer (or -1).
    static std::string Shown(const std::string& text);
    // An edited threshold on the switch's scale: the decimal number times 1000 as an integer text;
    // nothing when the text is no such number or has a part below the thousandth.
    static std::optional<std::string> Scaled(const std::string& text);

protected:
    void ReadRow(const QTreeWidgetItem* line) override;
    bool AcceptValues() override;
};
