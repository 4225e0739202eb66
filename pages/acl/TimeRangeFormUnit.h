#pragma once

#include "DedicatedPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Time Range": named periods of weekdays and a daily start and end time that access rules refer to.
// Reads and writes are asynchronous; every action waits for the read it started.
class TTimeRangeForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TTimeRangeForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* edtName;
    // Monday to Sunday, and the hidden "None" that keeps the lowest bit of the days as read.
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7, *CheckBox8;
    QLineEdit* edtStart;
    QLineEdit* edtEnd;
    QComboBox* cbxStatus;  // hidden: the row status of a write
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnAddClick();
    void btnSetClick();
    void btnDeleteClick();

protected:
    void ResetInputs() override;
    void ReadEnded(const KySNMPError&) override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInputs();
    std::vector<QCheckBox*> Weekdays() const;

    // While an Add runs: its inputs stay for the next profile, only Edit, Delete and Refresh empty them.
    bool KeepInputs = false;
};
