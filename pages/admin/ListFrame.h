#pragma once

#include <vector>

class QPushButton;
class QTreeWidget;
class QWidget;
class TDedicatedPage;

// The frame of a list page: the list on the left, and on the right the row counter over the buttons.
QTreeWidget* BuildListFrame(TDedicatedPage& page, QWidget* client, const std::vector<QPushButton*>& buttons);
