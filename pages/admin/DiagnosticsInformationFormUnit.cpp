#include "DiagnosticsInformationFormUnit.h"

#include "Oid_dot1x.h"

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget* owner)
    : TDot1xStatisticsPage(owner, {.Table = DiagnosticsInformationVars,
                                   .Caption = "DiagnosticsInformation  Form",
                                   .Width = 696,
                                   .Height = 480}) {}
