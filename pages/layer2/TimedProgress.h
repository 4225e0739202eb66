#pragma once

#include "DedicatedPage.h"

#include <QLabel>
#include <QString>

// The tick of the progress dialogs that cover a change the switch needs tens of seconds for: one second,
// the switch's own pace. Tests shorten it here.
inline int ProgressTickMs = 1000;

// Shows the progress dialog over the page until its time is up, or until the binder's write is answered
// with a failure; the window keeps painting and answers keep arriving meanwhile.
template <class Progress>
void ShowTimedProgress(TDedicatedPage* page, KySNMPRequest2Controls& binder, const QString& caption,
                       const QString& prompt) {
    Progress progress(page, ProgressTickMs);
    progress.setWindowTitle(caption);
    progress.LB_Prompt->setText(prompt);
    page->CoverWrite(binder, progress);
}
