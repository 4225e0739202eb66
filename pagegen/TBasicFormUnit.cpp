#include "TBasicFormUnit.h"

#include "SharedPalette.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

namespace {

void SetBase(QWidget* control, QPalette::ColorRole role) {
    QPalette p = control->palette();
    p.setColor(QPalette::Base, QGuiApplication::palette().color(role));
    control->setPalette(SharedPalette(p));
}

void Disable(QWidget* control, bool empty) {
    if (!control) return;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setEnabled(false);
        SetBase(edit, QPalette::Window);
        if (empty) edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setEnabled(false);
        SetBase(combo, QPalette::Window);
    } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
        auto* button = static_cast<QAbstractButton*>(control);
        button->setChecked(false);
        button->setEnabled(false);
    }
}

}  // namespace

TBasicForm::TBasicForm(QWidget* owner) : QDialog(owner) {
    for (int n = 0; n < 64; ++n) PortPositions += (n ? "," : "") + std::to_string(n);
}

void TBasicForm::SetScaledSize(int width, int height) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const float scale = screen && screen->logicalDotsPerInch() != 96 ? 1.25f : 1.0f;
    resize(int(float(width) * scale), int(float(height) * scale));
}

void TBasicForm::DisableControl(QWidget* control) { Disable(control, false); }

void TBasicForm::DisableControls(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) Disable(control, true);
}

void TBasicForm::EnableControl(QWidget* control) {
    if (!control) return;
    control->setEnabled(true);
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) SetBase(control, QPalette::Base);
}

void TBasicForm::ResetControls(const std::vector<QWidget*>& controls) {
    for (QWidget* control : controls) {
        if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(0);
        else if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
    }
}

void TBasicForm::UncheckAll(const std::vector<QWidget*>& controls) {
    for (QWidget* control : controls)
        if (auto* check = qobject_cast<QCheckBox*>(control)) check->setChecked(false);
}
