#include "SummerTime.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KyControlEvents.h"
#include "KyOptionList.h"
#include "KySNMPRequest2Edits.h"
#include "Oid_time.h"
#include "SNMPEditorPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr KyOptionItem MonthItems[] = {{1, "Jan"}, {2, "Feb"}, {3, "Mar"},  {4, "Apr"},  {5, "May"},  {6, "Jun"}, {7, "Jul"},
                                       {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr}};
constexpr KyOptionItem WeekdayItems[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr}};
// The last week of the month is 255, not 5.
constexpr KyOptionItem WeekItems[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {255, "last"}, {0, nullptr}};
constinit const KyOptionList MonthOptions{MonthItems};
constinit const KyOptionList WeekdayOptions{WeekdayItems};
constinit const KyOptionList WeekOptions{WeekItems};

enum Row { Status, Offset, RepeatStart, RepeatEnd, AnnualStart, AnnualEnd };
// Wide enough for a month, week or weekday beside its drop-down arrow.
constexpr int EditWidth = 300;

// The panel of a composite row: as high as the drop-down lists it holds, its parts placed by hand.
class TCompositeRowPanel : public QFrame {
public:
    using QFrame::QFrame;
    QSize sizeHint() const override { return {width(), QComboBox().sizeHint().height()}; }
};

// The number in a part edit, -1 when it holds none.
int numberIn(QWidget* part) {
    bool number = false;
    const int value = static_cast<QLineEdit*>(part)->text().toInt(&number);
    return number ? value : -1;
}

int chosenIn(QWidget* part) { return static_cast<QComboBox*>(part)->currentIndex(); }

}  // namespace

TSummerTimeForm::TSummerTimeForm(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Summer Time"));
    SummerTimeRequest = std::make_unique<KySNMPRequest2Edits>(this);
    SummerTimeRequest->Request.VarList = KySNMPVarList(SummerTimeVars, SVT_SV, 0);
    SummerTimeRequest->Async = 0;

    SummerTimePanel = new TSNMPEditorPanel(this, SummerTimeRequest.get());
    SummerTimePanel->FitHostForm(this);
    SummerTimePanel->SetEditWidth(EditWidth);
    SummerTimePanel->SetVarFormat(Offset, "%i{n30x120l3}");
    for (int row = RepeatStart; row <= AnnualEnd; ++row) BuildCompositeRow(row);

    TCtrlBtnPanel* buttons = SummerTimePanel->ButtonPanel;
    QObject::disconnect(buttons->RefreshButton, &QPushButton::clicked, SummerTimePanel, nullptr);
    SummerTimePanel->OnClick(buttons->RefreshButton, [this] { RefreshSummerTime(); });
    QObject::disconnect(buttons->SetButton, &QPushButton::clicked, SummerTimePanel, nullptr);
    SavedSetClick = [panel = SummerTimePanel] { return panel->SetCheckedClick(); };
    SummerTimePanel->OnClick(buttons->SetButton, [this] { SetSummerTime(); });
    auto* status = static_cast<QComboBox*>(SummerTimePanel->EditsPanel->Rows[Status].Control);
    KyControlEvents::onChange(status, this, [this] { ShowRowsForStatus(); });

    TEditsPanel* rows = SummerTimePanel->EditsPanel;
    resize(SummerTimePanel->size());
    rows->SetRowText(Status, "repeating");
    ShowRowsForStatus();
    rows->ArrangeRows(true);
    SummerTimePanel->SetContent(rows);
    resize(SummerTimePanel->NaturalSize());
    RefreshSummerTime();
}

TSummerTimeForm::~TSummerTimeForm() { FormClose(); }

void TSummerTimeForm::BuildCompositeRow(int row) {
    TEditsPanel* rows = SummerTimePanel->EditsPanel;
    UISnmpVar& editor = rows->Rows[std::size_t(row)];
    KySNMPRequest2Edits& binder = *SummerTimeRequest;
    binder.Unbind(row);
    QWidget* old = editor.Control;
    auto* panel = new TCompositeRowPanel(old->parentWidget());
    panel->setObjectName(QStringLiteral("RowEdit%1").arg(row));
    panel->setGeometry(old->geometry());
    panel->setEnabled(old->isEnabled());
    TCtrlsList& parts = SummerTimeRowControls[std::size_t(row - RepeatStart)];
    parts.append(panel);
    editor.Kind = uvkPanel;
    delete old;
    editor.Control = panel;

    const int height = panel->sizeHint().height();
    const auto combo = [&](const char* name, int left, int width) {
        auto* made = new QComboBox(panel);
        made->setObjectName(QLatin1String(name));
        made->setGeometry(left, 0, width, height);
        parts.append(made);
        return made;
    };
    const auto edit = [&](const char* name, const char* hint, int left, int width) {
        auto* made = new QLineEdit(panel);
        made->setObjectName(QLatin1String(name));
        made->setGeometry(left, 0, width, height);
        made->setToolTip(QLatin1String(hint));
        parts.append(made);
        return made;
    };
    const auto colonAfter = [&](QLineEdit* hour) {
        auto* colon = new QLabel(QStringLiteral(":"), panel);
        QFont bold = colon->font();
        bold.setBold(true);
        colon->setFont(bold);
        colon->adjustSize();
        colon->move(hour->geometry().right() + 1, 2);
    };
    const int w = EditWidth;
    if (row == RepeatStart || row == RepeatEnd) {
        QComboBox* month = combo("Month", 0, w / 5);
        QComboBox* week = combo("Week", w / 5, w / 5);
        QComboBox* weekday = combo("Weekday", 2 * w / 5, w / 5);
        QLineEdit* hour = edit("Hour", "Hour", 3 * w / 5 + 4, w / 5 - 4);
        QLineEdit* minute = edit("Minute", "Minute", 4 * w / 5 + 4, w / 5 - 4);
        binder.BindPartComboBox(row, 0, sxUInt8, &WeekOptions, week);
        binder.BindPartComboBox(row, 1, sxUInt16, &WeekdayOptions, weekday);
        binder.BindPartComboBox(row, 3, sxUInt8, &MonthOptions, month);
        binder.BindPartEdits(row, 4, sxUInt8, nullptr, "%i", {hour});
        binder.BindPartEdits(row, 5, sxUInt8, nullptr, "%i", {minute});
        colonAfter(hour);
    } else {
        QLineEdit* day = edit("Day", "Day", 0, w / 4 - 4);
        QComboBox* month = combo("Month", w / 4, w / 4 - 4);
        QLineEdit* hour = edit("Hour", "Hour", 2 * w / 4 + 4, w / 4 - 4);
        QLineEdit* minute = edit("Minute", "Minute", 3 * w / 4 + 4, w / 4 - 4);
        binder.BindPartEdits(row, 0, sxUInt8, nullptr, "%i", {day});
        binder.BindPartComboBox(row, 1, sxUInt8, &MonthOptions, month);
        binder.BindPartEdits(row, 2, sxUInt8, nullptr, "%i", {hour});
        binder.BindPartEdits(row, 3, sxUInt8, nullptr, "%i", {minute});
        colonAfter(hour);
    }
}

void TSummerTimeForm::ShowRowsForStatus() {
    TEditsPanel* rows = SummerTimePanel->EditsPanel;
    const QString status = static_cast<QComboBox*>(rows->Rows[Status].Control)->currentText();
    const bool repeating = status == "repeating";
    const bool annual = status == "annual";
    for (int row = RepeatStart; row <= AnnualEnd; ++row) {
        const bool shown = row <= RepeatEnd ? repeating : annual;
        if (shown) {
            rows->ShowRow(row);
        } else {
            rows->HideRow(row);
            rows->UncheckRow(row);
        }
    }
    rows->ArrangeRows(false);
    rows->RowCheckClick();
}

void TSummerTimeForm::Include(int variable, bool included) {
    int& access = SummerTimeRequest->Request.VarList.GetVar(variable).Access;
    if (included) access &= ~afInvalid;
    else access |= afInvalid;
}

void TSummerTimeForm::RefreshSummerTime() {
    if (!SummerTimeRequest) return;
    // The status first: it decides which rule's rows are worth reading.
    Include(Status, true);
    for (int row = Offset; row <= AnnualEnd; ++row) Include(row, false);
    try {
        SummerTimeRequest->Get();
    } catch (const std::exception& error) {
        SummerTimeRequest->ShowStatus(error.what());
    }
    ShowRowsForStatus();
    const QString status =
        static_cast<QComboBox*>(SummerTimePanel->EditsPanel->Rows[Status].Control)->currentText();
    Include(Offset, true);
    Include(RepeatStart, status == "repeating");
    Include(RepeatEnd, status == "repeating");
    Include(AnnualStart, status == "annual");
    Include(AnnualEnd, status == "annual");
    try {
        SummerTimeRequest->Get();
    } catch (const std::exception& error) {
        SummerTimeRequest->ShowStatus(error.what());
    }
}

bool TSummerTimeForm::RowChecked(int row) const {
    const UISnmpVar& r = SummerTimePanel->EditsPanel->Rows[std::size_t(row)];
    return r.CheckBox->isChecked() && !r.CheckBox->isHidden();
}

bool TSummerTimeForm::DayFitsMonth(int day, int monthIndex) {
    static constexpr int Length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monthIndex < 0 || monthIndex > 11) return false;
    return day >= 1 && day <= Length[monthIndex];
}

bool TSummerTimeForm::ValidateOffset() {
    if (!RowChecked(Offset)) return true;
    QWidget* offset = SummerTimePanel->EditsPanel->Rows[Offset].Control;
    if (static_cast<QLineEdit*>(offset)->text().isEmpty()) return true;
    const int minutes = numberIn(offset);
    return minutes >= 30 && minutes <= 120 && minutes % 30 == 0;
}

int TSummerTimeForm::ValidateRepeatRows() {
    int months[2] = {-1, -1};
    for (int row = RepeatStart; row <= RepeatEnd; ++row) {
        if (!RowChecked(row)) continue;
        const TCtrlsList& parts = SummerTimeRowControls[std::size_t(row - RepeatStart)];
        const int month = chosenIn(parts[1]);
        const int hour = numberIn(parts[4]);
        const int minute = numberIn(parts[5]);
        if (month < 0 || chosenIn(parts[2]) < 0 || chosenIn(parts[3]) < 0 || hour < 0 || minute < 0) return -1;
        if (hour > 23 || minute >= 60) return -2;
        months[row - RepeatStart] = month;
    }
    if (months[0] >= 0 && months[0] == months[1]) return -3;
    return 0;
}

int TSummerTimeForm::ValidateAnnualRows() {
    int months[2] = {-1, -1};
    for (int row = AnnualStart; row <= AnnualEnd; ++row) {
        if (!RowChecked(row)) continue;
        const TCtrlsList& parts = SummerTimeRowControls[std::size_t(row - RepeatStart)];
        const int day = numberIn(parts[1]);
        const int month = chosenIn(parts[2]);
        const int hour = numberIn(parts[3]);
        const int minute = numberIn(parts[4]);
        if (day < 0 || month < 0 || hour < 0 || minute < 0) return -1;
        if (!DayFitsMonth(day, month)) return -2;
        if (hour > 23 || minute >= 60) return -3;
        months[row - AnnualStart] = month;
    }
    if (months[0] >= 0 && months[0] == months[1]) return -4;
    return 0;
}

bool TSummerTimeForm::ValidateSummerTime() {
    const auto refuse = [this](const char* text) {
        QMessageBox::information(this, QApplication::applicationDisplayName(), QString::fromLatin1(text));
        return false;
    };
    const int status = chosenIn(SummerTimePanel->EditsPanel->Rows[Status].Control);
    if (RowChecked(Status) && status < 0) return refuse("Please choose Summer Time Status.");
    if (!ValidateOffset()) return refuse("Summer Time Offset must chosed from {30, 60, 90, 120}.");
    switch (status) {
    case 0:
        return true;
    case 1: {
        const int code = ValidateRepeatRows();
        if (code == -3) return refuse("From month and To month should not be the same.");
        return code == 0 || refuse("Time error.");
    }
    case 2: {
        const int code = ValidateAnnualRows();
        if (code == -4) return refuse("From month and To month should not be the same.");
        return code == 0 || refuse("Time error.");
    }
    default:
        return false;
    }
}

void TSummerTimeForm::MarkCompositeRow(const TCtrlsList& parts) {
    QString caption = QStringLiteral("-");
    for (QWidget* part : parts.mid(1)) {
        const auto* edit = qobject_cast<QLineEdit*>(part);
        const auto* combo = qobject_cast<QComboBox*>(part);
        if ((edit && edit->text().isEmpty()) || (combo && combo->currentText().isEmpty())) {
            caption.clear();
            break;
        }
    }
    parts.front()->setWindowTitle(caption);
}

bool TSummerTimeForm::NoCheckedRowEmpty() {
    const TEditsPanel* rows = SummerTimePanel->EditsPanel;
    for (int row = Status; row <= AnnualEnd; ++row) {
        if (!RowChecked(row) || !rows->IsRowEmpty(row)) continue;
        QMessageBox::warning(SummerTimePanel, QApplication::applicationDisplayName(), "Some items are empty!");
        return false;
    }
    return true;
}

void TSummerTimeForm::SetSummerTime() {
    if (!SummerTimeRequest || !ValidateSummerTime()) return;
    for (const TCtrlsList& parts : SummerTimeRowControls) MarkCompositeRow(parts);
    // The status goes out in a SET of its own, before the rule it selects: so an empty row of the
    // second SET must stop the action before the first one.
    if (!NoCheckedRowEmpty()) return;
    const QString status =
        static_cast<QComboBox*>(SummerTimePanel->EditsPanel->Rows[Status].Control)->currentText();
    const bool repeating = status == "repeating";
    const bool annual = status == "annual";

    Include(Status, true);
    for (int row = Offset; row <= AnnualEnd; ++row) Include(row, false);
    if (RowChecked(Status)) SavedSetClick();

    Include(Offset, true);
    for (int row = RepeatStart; row <= AnnualEnd; ++row) Include(row, false);
    Include(RepeatStart, repeating);
    Include(RepeatEnd, repeating);
    Include(AnnualStart, annual);
    Include(AnnualEnd, annual);
    Include(Status, false);
    bool rest = RowChecked(Offset);
    for (int row = RepeatStart; row <= AnnualEnd; ++row) rest = rest || RowChecked(row);
    if (rest) SavedSetClick();
}

void TSummerTimeForm::FormClose() {
    if (Closed) return;
    Closed = true;
    if (SummerTimeRequest) {
        SummerTimeRequest->Request.Active = 0;
        SummerTimePanel->DetachRequest();
        SummerTimeRequest.reset();
    }
}

void TSummerTimeForm::done(int result) {
    FormClose();
    QDialog::done(result);
}
