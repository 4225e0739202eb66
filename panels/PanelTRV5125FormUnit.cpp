#include "PanelTRV5125FormUnit.h"

TPanelTRV5125Form::TPanelTRV5125Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5125"), owner) {}
