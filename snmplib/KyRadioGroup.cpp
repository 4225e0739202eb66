#include "KyRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

KyRadioGroup::KyRadioGroup(QWidget* parent)
    : QGroupBox(parent), Buttons(new QButtonGroup(this)), Layout(new QVBoxLayout(this)) {
    connect(Buttons, &QButtonGroup::idClicked, this, &KyRadioGroup::itemClicked);
    connect(Buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit itemSelected(id);
    });
}

void KyRadioGroup::setItems(const QStringList& captions) {
    for (QAbstractButton* button : Buttons->buttons()) {
        Buttons->removeButton(button);
        delete button;
    }
    Captions = captions;
    for (int i = 0; i < Captions.size(); ++i) {
        auto* button = new QRadioButton(Captions[i], this);
        Buttons->addButton(button, i);
        Layout->addWidget(button);
    }
}

int KyRadioGroup::itemIndex() const { return Buttons->checkedId(); }

void KyRadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = Buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; lift that for a moment to clear it.
    if (QAbstractButton* checked = Buttons->checkedButton()) {
        Buttons->setExclusive(false);
        checked->setChecked(false);
        Buttons->setExclusive(true);
    }
}
