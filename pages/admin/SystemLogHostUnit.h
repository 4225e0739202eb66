#pragma once

#include "DedicatedPage.h"

class QTreeWidget;
class TLogHostEditForm;

// "System Log Host": the switch's syslog servers, at most four, edited in their own dialog.
class TSystemLogHostForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TSystemLogHostForm(QWidget* owner);

    QTreeWidget* ListView1;
    TLogHostEditForm* LogHostEditForm = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

private:
    void BuildLayout();
    void FormCreate();
    void ShowRowButtons(bool selected);
};
