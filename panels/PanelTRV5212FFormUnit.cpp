#include "PanelTRV5212FFormUnit.h"

TPanelTRV5212FForm::TPanelTRV5212FForm(QWidget* owner) : TFrontPanelForm(*FindPanelModel("TRV-5212F"), owner) {}
