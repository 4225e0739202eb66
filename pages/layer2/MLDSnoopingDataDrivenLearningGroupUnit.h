#pragma once

#include "DataDrivenGroupPage.h"

// "MLD Snooping Data Driven Learning Group Table".
class TMLDSnoopingDataDrivenLearingGroupForm : public TDataDrivenGroupPage {
    Q_OBJECT

public:
    explicit TMLDSnoopingDataDrivenLearingGroupForm(QWidget* owner);
};
