#include "PanelTRV5148FormUnit.h"

TPanelTRV5148Form::TPanelTRV5148Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5148"), owner) {}
