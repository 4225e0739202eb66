#include "MacStatisticTableFormUnit.h"

#include "Oid_dot1x.h"

TMacStatisticTableForm::TMacStatisticTableForm(QWidget* owner)
    : TDot1xStatisticsPage(owner, {.Table = MacStatisticTableVars,
                                   .Caption = "MacStatisticTableForm",
                                   .Width = 670,
                                   .Height = 432}) {}
