#pragma once

#include <QColor>
#include <QWidget>

#include <string>
#include <vector>

class KySNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QScrollArea;
class TCtrlBtnPanel;
class TSNMPPanel;

// Row kinds of the editor rows.
enum TUIVarKind : int {
    uvkReadOnly = 1,        // edit, read-only variable
    uvkEdit = 2,            // edit, writable variable
    uvkComboBox = 3,        // drop-down list of the variable's options
    uvkReadOnlyOption = 4,  // edit showing the option label of a read-only variable
    uvkPanel = 5,           // a panel of parts a page puts in place of the editor; its window title is the row's text
};

// One editor row: check box, label and editor of one variable.
struct UISnmpVar {
    int Kind = 0;
    std::string Format;  // edit constraint of an edit row
    QWidget* Control = nullptr;
    QCheckBox* CheckBox = nullptr;
    QLabel* Label = nullptr;
    bool MayBeEmpty = false;  // a checked row that may be sent without a value
};

// The editor rows of one binding object, one per variable, in a scroll box. Serves the editor page and
// the Add and Edit dialogs of a table page, which borrow it.
class TEditsPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int FirstRowTop = 20;
    static constexpr int RowSpacing = 5;
    static constexpr int CheckBoxLeft = 20;
    static constexpr int CheckBoxWidth = 20;
    static constexpr int Gap = 5;
    static constexpr int Margin = 40;

    TEditsPanel(QWidget* parent, KySNMPRequest2Edits* request);

    std::vector<UISnmpVar> Rows;
    QScrollArea* ScrollBox;
    int EditWidth = 121;
    QColor ReadOnlyFontColor = Qt::black;
    QColor ReadOnlyColor;  // the button face
    KySNMPRequest2Edits* EditCtrl;
    bool DefaultChecked = false;

    void ApplyRowAccess(bool defaultChecked);
    void LockRow(int aIdx);
    void UnlockRow(int row);
    void SetReadOnlyColors(const QColor& text, const QColor& background);
    // Top to bottom; with resize the panel takes the rows' extent plus the margin.
    void ArrangeRows(bool resize);
    void SetEditWidth(int width);
    void ArrangeCtrlBtn(TCtrlBtnPanel* column);

    void HideRow(int row);
    void ShowRow(int row);
    void UncheckRow(int row);
    void ClearRow(int row);
    void ClearAllRows();
    void SetRowText(int row, const std::string& text);
    std::string GetRowText(int row) const;
    bool IsReadOnlyRow(int row) const;
    bool IsIndexRow(int row) const;
    bool IsRowEmpty(int row) const;
    bool HasNoWritableRow() const;
    int CheckableRowCount() const;
    int CheckedRowCount() const;
    // The page that needs it lets a checked row go out empty.
    void SetRowMayBeEmpty(int row, bool mayBeEmpty = true);

    // The frame showing the rows now: the page, or the dialog that borrowed them.
    TSNMPPanel* Frame() const;
    // Enables the frame's Set button when a row is checked.
    void RowCheckClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildRows();
    void CreateRowRecords();

    QWidget* RowArea = nullptr;  // the scroll box's content
};
