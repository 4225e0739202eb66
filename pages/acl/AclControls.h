#pragma once

#include <QString>

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TStackingPortUitForm;

// The row of the list whose first cells hold the keys, or null.
QTreeWidgetItem* FindAclRow(const QTreeWidget* list, const std::vector<QString>& keys);

// Whether a front-panel port of a unit present in the device's unit table is checked.
bool HasCheckedUnitPort(const TStackingPortUitForm& selector);
