#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <vector>

class QCheckBox;
class QLineEdit;

// The check boxes of the TLVs a port sends: they show the names in the page's TLV edit each time the
// dialog opens, and "Set Checked" writes the checked names back into it. Nothing is sent from here.
class TLldpTlvDialog : public QDialog {
    Q_OBJECT

public:
    // boxNames: the component names of the boxes, in the order of the TLV names; hidden: a box the user
    // cannot change but whose name survives an edit, or -1.
    TLldpTlvDialog(QWidget* page, QLineEdit* tlvEdit, const QString& caption, const QStringList& names,
                   const QStringList& boxNames, int hidden);

    std::vector<QCheckBox*> Boxes;

    void SetButtonClick();
    void CloseButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* const TlvEdit;
    const QString Caption;
    const QStringList Names;
};

// The basic TLVs of a port.
class TLLDPPortConfigurationForm : public TLldpTlvDialog {
    Q_OBJECT

public:
    TLLDPPortConfigurationForm(QWidget* page, QLineEdit* tlvEdit);
};

// The IEEE 802.3 TLVs of a port; power via MDI is kept as it is.
class TLLDPDot3PortConfigurationForm : public TLldpTlvDialog {
    Q_OBJECT

public:
    TLLDPDot3PortConfigurationForm(QWidget* page, QLineEdit* tlvEdit);
};
