#pragma once

#include "Dot1xStatisticsPage.h"

// "DiagnosticsInformation  Form": the authenticator's state-machine counters per supplicant.
class TDiagnosticsInformationForm : public TDot1xStatisticsPage {
    Q_OBJECT

public:
    explicit TDiagnosticsInformationForm(QWidget* owner);
};
