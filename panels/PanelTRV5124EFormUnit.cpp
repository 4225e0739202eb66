#include "PanelTRV5124EFormUnit.h"

TPanelTRV5124EForm::TPanelTRV5124EForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5124E"), owner) {}
