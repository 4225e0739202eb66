#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About TRV-5124 Module": the managed product and the program's release; Shift+Alt+F3 on OK shows the
// full build string.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* owner);

    QLabel* AboutLabel;
    QLabel* VersionLabel;
    QPushButton* BT_Ok;
    QWidget* Image5124;  // the picture of the base model, the only one shown

    void FormActivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
