#include "LldpTlvDialog.h"

#include "LldpTlvRequest2Edits.h"
#include "MainUnit.h"
#include "PageKit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLldpTlvDialog::TLldpTlvDialog(QWidget* page, QLineEdit* tlvEdit, const QString& caption, const QStringList& names,
                               const QStringList& boxNames, int hidden)
    : QDialog(page), TlvEdit(tlvEdit), Caption(caption), Names(names) {
    QHBoxLayout* columns = BuildPageColumns(this);
    auto* boxes = new QVBoxLayout();
    columns->addLayout(boxes, 1);
    for (int i = 0; i < names.size(); ++i) {
        auto* box = new QCheckBox(names[i], this);
        box->setObjectName(boxNames[i]);
        box->setVisible(i != hidden);
        boxes->addWidget(box);
        Boxes.push_back(box);
    }
    boxes->addStretch(1);
    auto* set = new QPushButton(QStringLiteral("Set Checked"), this);
    set->setObjectName(QStringLiteral("SetButton"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    AddButtonColumn(columns, {set, close});
    connect(set, &QPushButton::clicked, this, &TLldpTlvDialog::SetButtonClick);
    connect(close, &QPushButton::clicked, this, &TLldpTlvDialog::CloseButtonClick);
}

void TLldpTlvDialog::showEvent(QShowEvent* event) {
    setWindowTitle(Caption + QString::fromStdString(DeviceIPText));
    // Every box from the text, checked or not: a dialog closed by its title bar starts over too.
    for (int i = 0; i < int(Boxes.size()); ++i) Boxes[std::size_t(i)]->setChecked(TlvEdit->text().contains(Names[i]));
    QDialog::showEvent(event);
}

void TLldpTlvDialog::SetButtonClick() {
    QStringList chosen;
    for (int i = 0; i < int(Boxes.size()); ++i)
        if (Boxes[std::size_t(i)]->isChecked()) chosen << Names[i];
    TlvEdit->setText(QStringLiteral(" ") + chosen.join(QLatin1Char(',')));
    CloseButtonClick();
}

void TLldpTlvDialog::CloseButtonClick() {
    for (QCheckBox* box : Boxes) box->setChecked(false);
    accept();
}

TLLDPPortConfigurationForm::TLLDPPortConfigurationForm(QWidget* page, QLineEdit* tlvEdit)
    : TLldpTlvDialog(page, tlvEdit, QStringLiteral("Port Configuration Table Setting: "), NewRequest2Edits::TlvNames(),
                     {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"}, -1) {}

TLLDPDot3PortConfigurationForm::TLLDPDot3PortConfigurationForm(QWidget* page, QLineEdit* tlvEdit)
    : TLldpTlvDialog(page, tlvEdit, QStringLiteral("LLDP Dot3 Port Configuration Table Setting: "),
                     LLDPDot3PortConfigNewRequest2Edits::TlvNames(),
                     {"macPhyConfigStatuscbx", "powerViaMDIcbx", "linkAggregationcbx", "maxFrameSizecbx"}, 1) {}
