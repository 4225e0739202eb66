#pragma once

#include <QDialog>
#include <QList>

#include <array>
#include <functional>
#include <memory>

class KySNMPRequest2Edits;
class TSNMPEditorPanel;

// The parts of one composite row: the panel first, then its drop-down lists and edits in creation order.
using TCtrlsList = QList<QWidget*>;

// "Summer Time": the daylight-saving status, its offset and the start and end of the rule in force, on
// the generated editor page. The start and end rows are composite rows, one part per byte field of
// their octet string; the status is read and written on its own before the rest.
class TSummerTimeForm : public QDialog {
    Q_OBJECT

public:
    explicit TSummerTimeForm(QWidget* owner);
    ~TSummerTimeForm() override;

    std::unique_ptr<KySNMPRequest2Edits> SummerTimeRequest;
    TSNMPEditorPanel* SummerTimePanel = nullptr;
    // Rows 2 to 5: repeat start and end, annual start and end.
    std::array<TCtrlsList, 4> SummerTimeRowControls;
    // The editor page's own Set Checked, run once for the status and once for the rest.
    std::function<bool()> SavedSetClick;

    void RefreshSummerTime();
    void SetSummerTime();
    void ShowRowsForStatus();

    // Day 1 up to the month's length (February 28); monthIndex 0-11, anything else fits no day.
    static bool DayFitsMonth(int day, int monthIndex);

    void done(int result) override;

private:
    void BuildCompositeRow(int row);
    void MarkCompositeRow(const TCtrlsList& parts);
    bool ValidateSummerTime();
    bool ValidateOffset();
    int ValidateRepeatRows();
    int ValidateAnnualRows();
    // Every checked row that a SET of this action would carry holds a value.
    bool NoCheckedRowEmpty();
    bool RowChecked(int row) const;
    void Include(int variable, bool included);
    void FormClose();

    bool Closed = false;
};
