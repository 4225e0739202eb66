#pragma once

#include "KySNMPRequest2Edits.h"

// The binder of the DDM threshold table: a selected row's thresholds are edited without their last three
// digits, and a Set scales them back, so a threshold left as it was goes back as it was read.
class NewRequest2EditsForDDMThreshold : public KySNMPRequest2Edits {
public:
    explicit NewRequest2EditsForDDMThreshold(QWidget* owner);

    // A threshold as the editor shows it: "-" for a text that is no integer (or -1).
    static std::string Shown(const std::string& text);

protected:
    void ListItemSelected(QTreeWidgetItem* item, bool selected) override;
    void CollectForSet() override;
};
