#include "MultiConfigControlEditFormUnit.h"

#include "DedicatedPage.h"
#include "MultiConfigControlFormUnit.h"
#include "Progress2.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ActivationTicks = 15;

}  // namespace

TMultiConfigControlEditForm::TMultiConfigControlEditForm(TDedicatedPage& page) : TPageEditDialog(page) {
    setObjectName(QStringLiteral("MultiConfigControlEditForm"));
    setWindowTitle(QStringLiteral("Multiple Config Control Edit"));
    resize(353, 120);
    cbxCtrlID = new QComboBox(this);
    cbxCtrlID->setObjectName(QStringLiteral("cbxCtrlID"));
    cbxCtrlID->setEnabled(false);
    cbxCfgAction = new QComboBox(this);
    cbxCfgAction->setObjectName(QStringLiteral("cbxCfgAction"));
    btnSet = NewPageButton(this, "btnSet", QStringLiteral("Set"));
    btnClose = NewPageButton(this, "btnClose", QStringLiteral("Close"));
    BuildSettingsFrame(this, {{"Config Control ID", cbxCtrlID}, {"Config Action", cbxCfgAction}}, {btnSet, btnClose});
    connect(btnSet, &QPushButton::clicked, this, &TMultiConfigControlEditForm::btnSetClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TMultiConfigControlEditForm::btnSetClick() {
    Reported(Page, [&] {
        // A refused write is shown: nothing is under way to cover.
        if (!Page.MaskedSet({}, -1, -1, 0)) return Page.ShowRefusal(false);
        if (cbxCfgAction->currentText() == "active") {
            // The switch takes a while to make a configuration active; the answer arrives meanwhile.
            TProgressForm2 progress(this, static_cast<TMultipleConfigControlForm&>(Page).ProgressTick);
            progress.TickLimit = ActivationTicks;
            progress.setWindowTitle(QStringLiteral("Set Configuration"));
            progress.LB_Prompt->setText(QStringLiteral("Active Configuration is doing..."));
            Page.CoverWrite(*Page.MainBinder(), progress);
        }
    });
    accept();
}
