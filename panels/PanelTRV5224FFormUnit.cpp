#include "PanelTRV5224FFormUnit.h"

TPanelTRV5224FForm::TPanelTRV5224FForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5224F"), owner) {}
