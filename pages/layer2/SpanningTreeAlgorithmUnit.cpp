#include "SpanningTreeAlgorithmUnit.h"

#include "MainUnit.h"
#include "Oid_device.h"
#include "Progress.h"
#include "TimedProgress.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>

namespace {

// Enabling spanning tree holds the switch's answer up to about forty seconds.
constexpr int EnablingTimeout = 4100;

}  // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget* owner)
    : TGlobalStateForm(owner, {"Spanning Tree Algorithm", StpAlgorithmVars, "ComboBox1", "Spanning Tree Algorithm",
                               "GetButton", "SetButton"}) {
    ComboBox1 = StateCombo;
    if (!StateRequest) return;
    // The library's boxes about this switch-wide change come up over the main window.
    if (MainForm) StateRequest->Owner = MainForm;
    NormalTimeout = StateRequest->Request.Timeout;
    // Only the enabling write needs the long wait: once its answer is in, later requests wait as usual.
    StateRequest->OnSetError = [this](KySNMPRequest2Controls& binder, const KySNMPError& error) {
        binder.Request.Timeout = NormalTimeout;
        binder.SetResult(error);
    };
}

void TSpanningTreeAlgorithmForm::SetButtonClick() {
    if (!StateRequest) return;
    const QString choice = ComboBox1->currentText();
    if (choice == "disabled") {
        // A refused write is shown; no re-read whose "Ok!" would write over it.
        bool sent = false;
        Step([&] { sent = StateRequest->Set(1, 1, {}, nullptr); });
        if (!sent) return ShowRefusal(false);
    } else if (choice == "enabled") {
        QMessageBox confirm(QMessageBox::Question, QApplication::applicationDisplayName(),
                            QStringLiteral("To enable STP may take a long time. Do you want to go on?"),
                            QMessageBox::Ok | QMessageBox::Cancel, this);
        if (confirm.exec() == QMessageBox::Ok) {
            bool sent = false;
            Step([&] {
                StateRequest->Request.Timeout = EnablingTimeout;
                sent = StateRequest->Set(0, 1, {}, nullptr);
            });
            // Nothing on its way: no progress to cover, and no re-read whose "Ok!" would hide why.
            if (!sent) {
                StateRequest->Request.Timeout = NormalTimeout;
                return ShowRefusal(false);
            }
            ShowTimedProgress<TProgressForm>(this, *StateRequest, QStringLiteral("Enable STP Progress"),
                                             QStringLiteral("Enable STP is doing..."));
        }
    } else {
        return;
    }
    Step([this] { StateRequest->Get(); });
}
