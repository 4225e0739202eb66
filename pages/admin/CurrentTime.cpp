#include "CurrentTime.h"

#include "Oid_time.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

enum Column { Capacity, Clock, ResetOnReboot };

// The capacity names by bit, in the order they are shown.
const std::pair<int, const char*> CapacityNames[] = {
    {0x80, "systemTime"}, {0x40, ",SNTP"}, {0x20, ",SummerTime"}, {0x10, ",realTimeClock"}};

}  // namespace

TCurrentTimeForm::TCurrentTimeForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 525, .Height = 172, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Current Time"));
    BuildLayout();
    FormCreate();
}

void TCurrentTimeForm::BuildLayout() {
    timecapacityEdit = new QLineEdit(Client);
    timecapacityEdit->setObjectName(QStringLiteral("timecapacityEdit"));
    timecapacityEdit->setEnabled(false);
    currentclockEdit = new QLineEdit(Client);
    currentclockEdit->setObjectName(QStringLiteral("currentclockEdit"));
    for (QLineEdit* edit : {timecapacityEdit, currentclockEdit})
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral(" systemTime,SNTP,SummerTime,realTimeClock ")));
    cbxReset = new QComboBox(Client);
    cbxReset->setObjectName(QStringLiteral("cbxReset"));
    cbxReset->setEnabled(false);
    // Blanks until the first read: no capacity is shown from them.
    tempText = new QLabel(QString(17, QChar(' ')), Client);
    tempText->setObjectName(QStringLiteral("tempText"));
    tempText->hide();
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "SetButton", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    BuildSettingsFrame(Client,
                       {{"Time Capacity", timecapacityEdit},
                        {"Current Clock(Example  2007-5-26,15:30:15.0)", currentclockEdit},
                        {"Clock Reset On Reboot", cbxReset}},
                       {RefreshButton, SetButton, CloseButton})
        ->setColumnStretch(1, 1);
    connect(RefreshButton, &QPushButton::clicked, this, &TCurrentTimeForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TCurrentTimeForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TCurrentTimeForm::CloseClick);
}

void TCurrentTimeForm::FormCreate() {
    Binder = CreateBinder({.Table = CurrentTimeVars,
                           .Main = true,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindStaticText(Capacity, tempText);
                               binder.BindEdits(Clock, "%s{l22}", {currentclockEdit});
                               binder.BindComboBox(ResetOnReboot, cbxReset);
                               binder.OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError&) { ShowTimeCapacity(); };
                           }});
}

void TCurrentTimeForm::ShowTimeCapacity() {
    const QString bits = tempText->text();
    if (bits.isEmpty()) return;
    const QString digits = QRegularExpression(QStringLiteral("^[0-9A-Fa-f]*")).match(bits).captured(0);
    const int value = digits.isEmpty() ? 0 : digits.left(2).toInt(nullptr, 16);
    QString names = QStringLiteral(" ");
    for (const auto& [bit, name] : CapacityNames)
        if (value & bit) names += QLatin1String(name);
    timecapacityEdit->setText(names);
}

bool TCurrentTimeForm::IsClockText(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})-(\\d{1,2})-(\\d{1,2}),(\\d{1,2}):(\\d{1,2}):(\\d{1,2})\\.(\\d)$"));
    const QRegularExpressionMatch parts = form.match(text);
    if (!parts.hasMatch()) return false;
    const int highest[] = {65535, 12, 31, 23, 59, 60, 9};
    const int lowest[] = {0, 1, 1, 0, 0, 0, 0};
    for (int i = 0; i < 7; ++i) {
        const int value = parts.captured(i + 1).toInt();
        if (value < lowest[i] || value > highest[i]) return false;
    }
    return true;
}

void TCurrentTimeForm::GetButtonClick() {
    if (Binder) Reported(*this, [&] { Binder->Get(); });
}

void TCurrentTimeForm::SetButtonClick() {
    if (!Binder) return;
    if (currentclockEdit->text().isEmpty()) {
        ShowMessage(QStringLiteral("The Current Edit should not be empty!"));
        currentclockEdit->setFocus();
        return;
    }
    if (!IsClockText(currentclockEdit->text())) {
        ShowMessage(QStringLiteral("The Current Clock should be like 2007-5-26,15:30:15.0"));
        currentclockEdit->setFocus();
        return;
    }
    Reported(*this, [&] { ShowRefusal(MaskedSet({}, -1, -1, 0)); });
}
