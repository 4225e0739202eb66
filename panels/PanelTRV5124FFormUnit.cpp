#include "PanelTRV5124FFormUnit.h"

TPanelTRV5124FForm::TPanelTRV5124FForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5124F"), owner) {}
