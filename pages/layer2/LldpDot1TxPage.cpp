#include "LldpDot1TxPage.h"

#include "PageKit.h"

#include <QComboBox>

TLldpDot1TxPage::TLldpDot1TxPage(QWidget* owner, const TKeyedRowLayout& layout) : TKeyedRowPage(owner, layout) {
    TXComboBox = NewPageCombo(this, "TXComboBox");
    FormCreate(TXComboBox, [this](KySNMPRequest2Edits& binder, int column) { binder.BindComboBox(column, TXComboBox); });
}

void TLldpDot1TxPage::ResetInputs() {
    TKeyedRowPage::ResetInputs();
    TXComboBox->setCurrentIndex(-1);
}
