#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QGridLayout;
class QPushButton;
class QWidget;
class TDedicatedPage;

// The frame of a settings page: label and control rows on the left, the buttons in a column on the
// right, top to bottom.
QGridLayout* BuildSettingsFrame(QWidget* client, const std::vector<std::pair<QString, QWidget*>>& rows,
                                const std::vector<QPushButton*>& buttons);

// Runs a read or write of the page; a library failure is reported the page's way.
void Reported(TDedicatedPage& page, const std::function<void()>& action);
