#pragma once

#include "DedicatedPage.h"

class QComboBox;

// A page that switches one global feature of the switch on or off with a single combo box; the twins
// differ in how they warn and what follows the write.
struct TGlobalStateLayout {
    const char* Caption;
    const KySNMPVarDesc* Table;
    const char* ComboName;
    const char* ComboLabel;
    const char* GetName;
    const char* SetName;
};

class TGlobalStateForm : public TDedicatedPage {
    Q_OBJECT

public:
    TGlobalStateForm(QWidget* owner, const TGlobalStateLayout& layout);

    QComboBox* StateCombo;
    KySNMPRequest2Edits* StateRequest = nullptr;

    // Reads the state again.
    void GetClick();
    virtual void SetClick() = 0;

protected:
    // Runs a step of a handler; a library failure is written to the status panel and the handler goes on.
    void Step(const std::function<void()>& step);
};
