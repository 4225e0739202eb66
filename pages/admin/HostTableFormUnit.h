#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class THostTableEditForm;

// "Host Table": the trusted hosts, by index 1 to 30, from which the switch accepts management; rows are
// added in their own dialog and deleted here.
class THostTableForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit THostTableForm(QWidget* owner);

    QTreeWidget* ListView1;
    THostTableEditForm* HostTableEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

private:
    void FormCreate();
};
