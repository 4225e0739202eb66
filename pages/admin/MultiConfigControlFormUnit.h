#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TMultiConfigControlEditForm;

// "Multiple Config Control": the switch's stored configurations and the action last applied to each;
// the edit dialog applies another.
class TMultipleConfigControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TMultipleConfigControlForm(QWidget* owner);

    QTreeWidget* ListView1;
    TMultiConfigControlEditForm* MultiConfigControlEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;
    // One tick of the progress shown while a configuration becomes active.
    int ProgressTick = 1000;

    void btnGetClick();
    void btnEditClick();

private:
    void BuildLayout();
    void FormCreate();
};
