#include "PanelTRV5124FormUnit.h"

TPanelTRV5124Form::TPanelTRV5124Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5124"), owner) {}
