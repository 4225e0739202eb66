#pragma once

#include "DedicatedPage.h"

class QTreeWidget;

// What tells the two 802.1X statistics viewers apart.
struct TDot1xStatisticsTexts {
    const KySNMPVarDesc* Table;
    const char* Caption;
    int Width, Height;
};

// A read-only list of per-supplicant 802.1X counters, one row per supplicant MAC address and port,
// with Refresh and Close.
class TDot1xStatisticsPage : public TDedicatedPage {
    Q_OBJECT

public:
    TDot1xStatisticsPage(QWidget* owner, const TDot1xStatisticsTexts& texts);

    QTreeWidget* ListView1;
    KySNMPRequest2Edits* Binder = nullptr;

    void Button1Click();
};
