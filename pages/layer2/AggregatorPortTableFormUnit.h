#pragma once

#include "DedicatedPage.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "802.3ad Aggregator Port Table": the LACP attributes of every port; the selected port's actor key,
// partner system ID and key and the actor's and partner's administrative state bits are written.
class TAggregatorPortTableForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TAggregatorPortTableForm(QWidget* owner);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    // Eight state bits per tab: actor admin, actor oper, partner admin, partner oper.
    std::array<QCheckBox*, 32> CheckBoxes{};
    QLineEdit* edtActorKey;
    QLineEdit* edtPartnerID;
    QLineEdit* edtPartnerKey;
    KySNMPRequest2Edits* AggPortRequest = nullptr;

    void GetBtnClick();
    void btnEditClick();
    // Twelve hexadecimal digits and nothing else; a refusal shows "Invalid MAC address".
    bool CheckPartnerSystemId(const QString& text);

protected:
    void ResetInputs() override;
    // The binder locked the inputs at the end of the walk; the selected port's values stay writable.
    void ReadEnded(const KySNMPError& error) override;

private:
    void BuildLayout();
    void FormCreate();
    // A key's text as the switch takes it; a refusal has shown its message.
    bool KeyAccepted(QLineEdit* edit);
};
