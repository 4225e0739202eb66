#pragma once

#include "IBPViewerPage.h"

// The Ethernet rules that IP-MAC-port binding installs, with their ports.
class TIBPEtherRuleForm : public TIBPViewerPage {
    Q_OBJECT

public:
    explicit TIBPEtherRuleForm(QWidget* owner);
};
