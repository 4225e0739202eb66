#include "SettingsFrame.h"

#include "DedicatedPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QGridLayout* BuildSettingsFrame(QWidget* client, const std::vector<std::pair<QString, QWidget*>>& rows,
                                const std::vector<QPushButton*>& buttons) {
    auto* columns = new QHBoxLayout(client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    int row = 0;
    for (const auto& [label, control] : rows) {
        grid->addWidget(new QLabel(label, client), row, 0);
        grid->addWidget(control, row++, 1);
    }
    grid->setRowStretch(row, 1);
    auto* column = new QVBoxLayout();
    columns->addLayout(column);
    for (QPushButton* button : buttons) column->addWidget(button);
    column->addStretch(1);
    return grid;
}

void Reported(TDedicatedPage& page, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        page.Report(error);
    }
}
