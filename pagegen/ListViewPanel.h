#pragma once

#include <QWidget>

#include <string>

class KySNMPRequest2Edits;
class QTreeWidget;
class QTreeWidgetItem;
class TCtrlBtnPanel;

// The list of a table page: one column per shown variable, one line per table row. Each line keeps the
// instance the walk returned for it, so that writes reach exactly that row.
class TListViewPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;
    static constexpr int InstanceRole = Qt::UserRole + 1;

    TListViewPanel(QWidget* parent, KySNMPRequest2Edits* request);

    QTreeWidget* ListView;
    int DeleteStatusRow = -1;
    int AddStatusRow = -1;
    std::string AddStatusText;
    std::string DeleteStatusText;

    void ArrangeCtrlBtn(TCtrlBtnPanel* column);
    // The instance of the line, as the walk returned it ("" for none).
    static std::string InstanceOf(const QTreeWidgetItem* item);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
