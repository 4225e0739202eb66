#include "PageEditDialog.h"

#include "DedicatedPage.h"

#include <QLineEdit>

TPageEditDialog::TPageEditDialog(TDedicatedPage& page) : QDialog(&page), Page(page) {}

void TPageEditDialog::PrepareAdd() {
    for (QWidget* key : KeyEdits) {
        TBasicForm::EnableControl(key);
        if (auto* edit = qobject_cast<QLineEdit*>(key)) edit->clear();
    }
}

void TPageEditDialog::PrepareEdit() {
    for (QWidget* key : KeyEdits) TBasicForm::DisableControl(key);
}
