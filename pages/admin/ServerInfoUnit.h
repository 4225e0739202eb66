#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Server Information Table": the authentication server hosts by address and protocol, with port, key,
// time-out and retry count. The key is a secret: never shown, and written only when typed anew.
class TServerInformationForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TServerInformationForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* IPEdit;
    QComboBox* ProtocolComboBox;
    QLineEdit* PortEdit;
    QLineEdit* KeyEdit;
    QLineEdit* TimeoutEdit;
    QLineEdit* RetryCEdit;
    QComboBox* RowComboBox;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    void MaskKeys();
    // The optional columns whose entry is empty: the switch keeps its own value.
    std::vector<int> EmptyColumns() const;
    bool CheckKeys();
};
