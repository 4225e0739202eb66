#pragma once

#include "KyEditConstraint.h"
#include "SNMPPanel.h"

#include <string>

class QPushButton;
class TEditsPanel;

// The editor page: the frame with one editor row per variable, writing the checked rows in one SET.
class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT

public:
    TSNMPEditorPanel(QWidget* parent, KySNMPRequest2Edits* request);

    TEditsPanel* EditsPanel;

    void SetEditWidth(int width);
    // Binds the row's edit with another input format; refused for combo and option rows.
    void SetVarFormat(int row, const std::string& format);
    void SetVarFormatValidator(int row, const std::string& format, KyEditValidator validator);

    // One SET of the checked, settable rows. True when it was sent and succeeded; a checked empty row
    // sends nothing.
    bool SetCheckedClick();
    void CheckAllClick();
    void ClearChecksClick();

    void DetachRequest() override;

protected:
    // Values from the editors into the variables before the SET.
    virtual void CollectForSet();
    // Stops a walk of the binding object and waits, bounded by the request's time-out, until it is idle;
    // then the request is active again for what the user asked (a click into a list had stopped it).
    void WaitUntilIdle();
};
