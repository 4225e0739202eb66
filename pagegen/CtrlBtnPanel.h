#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

// The button column on the right of every generated page and of its Add and Edit dialogs. Content
// panels choose which buttons show; ArrangeButtons stacks the visible ones.
class TCtrlBtnPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonWidth = 96;
    static constexpr int Spacing = 5;

    explicit TCtrlBtnPanel(QWidget* owner);

    QLabel* SamplesLabel;
    QLabel* SampleCountText;  // rows a table page holds
    QPushButton* RefreshButton;
    QPushButton* EditButton;
    QPushButton* SetButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    QPushButton* CloseButton;
    QPushButton* StopButton;
    int LeftMargin = 10;
    int TopMargin = 10;
    std::vector<QWidget*> Controls;  // top to bottom

    // Hidden controls take the place of the next visible one and no room; the column ends 10 pixels
    // below Close.
    void ArrangeButtons();
    // Close's bottom + 10 after the last arrangement.
    int ArrangedHeight() const { return Arranged; }

private:
    void LoadGlyphs();

    int Arranged = 0;
};
