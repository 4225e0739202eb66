#include "PanelTRV5212FormUnit.h"

TPanelTRV5212Form::TPanelTRV5212Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5212"), owner) {}
