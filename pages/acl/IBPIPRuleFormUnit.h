#pragma once

#include "IBPViewerPage.h"

// The IP rules that IP-MAC-port binding installs, with their ports.
class TIBPIPRuleForm : public TIBPViewerPage {
    Q_OBJECT

public:
    explicit TIBPIPRuleForm(QWidget* owner);
};
