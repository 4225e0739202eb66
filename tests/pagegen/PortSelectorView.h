#pragma once
// What a user sees of a port selector once its window is laid out.
#include "StackingPortUitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include <set>
#include <vector>

// How a shown unit tab presents its ports once the window is laid out: the rows of boxes, and whether
// any box or scroll bar stands in the user's way.
struct TUnitView {
    int Rows = 0;
    std::vector<int> CutPorts;  // ports not wholly inside the tab's visible area
    bool ScrollBar = false;
};

inline std::vector<TUnitView> unitViews(TStackingPortUitForm& selector) {
    std::vector<TUnitView> views;
    for (std::size_t u = 0; u < selector.UnitSheets.size(); ++u) {
        const int index = selector.UnitPageControl->indexOf(selector.UnitSheets[u]);
        if (!selector.UnitPageControl->isTabVisible(index)) continue;
        selector.UnitPageControl->setCurrentIndex(index);
        QApplication::processEvents();
        auto* scroll = selector.UnitSheets[u]->findChild<QScrollArea*>();
        TUnitView view;
        view.ScrollBar = scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible();
        const QRect visible = scroll->viewport()->rect();
        std::set<int> tops;
        for (int p = 0; p < UnitPortPositions; ++p) {
            const QCheckBox* box = selector.PortCheckBoxes[u * UnitPortPositions + std::size_t(p)];
            if (box->isHidden()) continue;
            tops.insert(box->y());
            if (!visible.contains(QRect(box->mapTo(scroll->viewport(), QPoint(0, 0)), box->size())))
                view.CutPorts.push_back(p + 1);
        }
        view.Rows = int(tops.size());
        views.push_back(view);
    }
    return views;
}

