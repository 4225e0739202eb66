#pragma once

#include "MethodListPage.h"

// "Enable Method List": the AAA method lists of the enable password.
class TEnableMethodForm : public TMethodListPage {
    Q_OBJECT

public:
    explicit TEnableMethodForm(QWidget* owner);
};
