#pragma once

#include "DataDrivenGroupPage.h"

// "IGMP Snooping Data Driven Learning Group Table".
class TIGMPSnoopingDataDrivenLearingGroupForm : public TDataDrivenGroupPage {
    Q_OBJECT

public:
    explicit TIGMPSnoopingDataDrivenLearingGroupForm(QWidget* owner);
};
