#include "AclControls.h"

#include "MainUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QTreeWidget>

#include <algorithm>

QTreeWidgetItem* FindAclRow(const QTreeWidget* list, const std::vector<QString>& keys) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        bool same = true;
        for (std::size_t k = 0; k < keys.size() && same; ++k) same = row->text(int(k)) == keys[k];
        if (same) return row;
    }
    return nullptr;
}

bool HasCheckedUnitPort(const TStackingPortUitForm& selector) {
    const TPortSelectorDevice device = CurrentPortSelectorDevice();
    for (const TPortSelectorUnit& unit : device.Units) {
        if (unit.ModuleName == "Not_Exist") continue;
        const int number = QString::fromStdString(unit.UnitId).toInt();
        if (number < 1) continue;
        const std::size_t first = std::size_t(number - 1) * 64;
        const std::size_t end = std::min(selector.PortCheckBoxes.size(),
                                         first + std::size_t(getModelPortCount(unit.ModuleName, device.Stacked)));
        for (std::size_t i = first; i < end; ++i)
            if (selector.PortCheckBoxes[i]->isChecked()) return true;
    }
    return false;
}
