#pragma once

#include "Dot1xStatisticsPage.h"

// "MacStatisticTableForm": the EAPOL frame counters per supplicant.
class TMacStatisticTableForm : public TDot1xStatisticsPage {
    Q_OBJECT

public:
    explicit TMacStatisticTableForm(QWidget* owner);
};
