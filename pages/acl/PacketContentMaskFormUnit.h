#pragma once

#include "AclTablePage.h"

#include <array>

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Packet Content Mask": profiles of up to four packet chunks (a chunk number and a four-octet mask
// each), added whole and deleted whole.
class TPktContentMaskForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TPktContentMaskForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* edtProfileID;
    std::array<QComboBox*, 4> cbxChunkState;  // cbxChunk1State ... cbxChunk4State
    std::array<QLineEdit*, 4> edtChunkValue;   // edtChunk1Value ...
    std::array<QLineEdit*, 4> edtChunkOffset;  // edtChunk1Offset ...
    QComboBox* cbxOwner;
    QLineEdit* EntiesEdit;
    QComboBox* cbxStatus;  // hidden: the row status of a write
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    // An offset of at most eight hexadecimal digits, either case; empty passes.
    static bool IsHexText(const QString& text);

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInputs();
    std::vector<int> DisabledChunkColumns() const;
};
