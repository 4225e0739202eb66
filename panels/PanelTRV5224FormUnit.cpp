#include "PanelTRV5224FormUnit.h"

TPanelTRV5224Form::TPanelTRV5224Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5224"), owner) {}
