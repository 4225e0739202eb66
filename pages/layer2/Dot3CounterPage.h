#pragma once

#include "DedicatedPage.h"

#include <QStringList>

class QComboBox;
class QGridLayout;
class QTimer;
class QTreeWidget;

// The length of one second of the interval combo; tests shorten it here.
inline int CounterIntervalSecondMs = 1000;

// What tells the EtherLike twins apart.
struct TDot3CounterLayout {
    const char* Caption;
    const KySNMPVarDesc* InterfaceTable;
    const KySNMPVarDesc* CounterTable;
    QStringList CounterNames;  // the fixed rows of the counter list
};

// An EtherLike interface table with the frame counters of the clicked interface, read again on a timer
// whose period the user picks. The timer runs only while a row is selected whose counters could be read.
class TDot3CounterPage : public TDedicatedPage {
    Q_OBJECT

public:
    TDot3CounterPage(QWidget* owner, const TDot3CounterLayout& layout);

    QTreeWidget* ListView1;
    QTreeWidget* ListView2;  // Name / Value of the selected interface's counters
    QTreeWidget* lvChart;    // hidden: the last counter read
    QComboBox* cbxInterval;
    QTimer* Timer1;
    KySNMPRequest2Edits* TableRequest = nullptr;
    KySNMPRequest2Edits* CounterRequest = nullptr;

    void btnGetClick();
    void cbxIntervalChange(int index);
    void Timer1Timer();

protected:
    // The page's own row controls go into the grid; buttons beside Refresh come before Close.
    void BuildLayout(const std::function<void(QGridLayout*)>& rowControls, std::initializer_list<QWidget*> buttons);
    void FormCreate(const std::function<void(KySNMPRequest2Edits&)>& bindRow);
    // The counter view and polling back to rest; the twins add their row controls.
    void ResetInputs() override;
    void ResetCounters();
    // After a row click has read the counters (or failed to).
    virtual void RowSelected() {}
    void done(int result) override;

private:
    void ListView1Click(bool selected);
    // Reads the selected interface's counters; false when no value came.
    bool ReadCounters();
    bool ShowCounters();

    const TDot3CounterLayout Layout;
};
