#include "PanelTRV5248FormUnit.h"

TPanelTRV5248Form::TPanelTRV5248Form(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5248"), owner) {}
