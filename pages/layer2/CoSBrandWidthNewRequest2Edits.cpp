#include "CoSBrandWidthNewRequest2Edits.h"

#include <QTreeWidget>

void CoSBrandWidthNewRequest2Edits::RowReceived() {
    if (!ListView) return;
    for (int rate : {MinRate, MaxRate}) {
        KySNMPVar& var = Request.VarList.GetVar(rate);
        if (var.Value == "0") var.Value = "No Limit";
    }
    AddListRow();
}
