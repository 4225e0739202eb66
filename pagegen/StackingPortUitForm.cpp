#include "StackingPortUitForm.h"

#include "PanelModel.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontInfo>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

const std::string BaseModelName = "TRV-5124";

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("StackingPortUitForm"));
    resize(543, 252);
    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(UnitPageControl);
}

void TStackingPortUitForm::AddUnitPage(const QString& caption, int count, int perRow) {
    auto* sheet = new QWidget;
    sheet->setObjectName(caption);
    UnitSheets.push_back(sheet);
    const int index = UnitPageControl->addTab(sheet, caption);
    auto* scroll = new QScrollArea(sheet);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    auto* content = new QWidget;
    CreatePortBoxes(content, count, perRow);
    scroll->setWidget(content);
    UnitPageControl->setTabVisible(index, false);
}

void TStackingPortUitForm::CreatePortBoxes(QWidget* box, int count, int perRow) {
    int right = 0, bottom = 0;
    for (int i = 0; i < count; ++i) {
        auto* check = new QCheckBox(QString::number(i + 1), box);
        check->setObjectName(QStringLiteral("Port%1").arg(PortCheckBoxes.size() + 1));
        const int fontSize = QFontInfo(check->font()).pointSize();
        const int width = int(check->text().size()) * fontSize + fontSize * 3;
        check->setGeometry((i % perRow) * fontSize * 5 + 20, (i / perRow) * check->sizeHint().height() + 4,
                           std::max(width, check->sizeHint().width()), check->sizeHint().height());
        check->hide();
        right = std::max(right, check->geometry().right());
        bottom = std::max(bottom, check->geometry().bottom());
        PortCheckBoxes.push_back(check);
    }
    box->resize(right + 10, bottom + 10);
}

void TStackingPortUitForm::ShowUnit(const std::string& unitText, const std::string& modelName, int portCount,
                                    bool stacked) {
    bool ok = false;
    const int unit = QString::fromStdString(unitText).trimmed().toInt(&ok);
    if (!ok || unit < 1 || unit > int(UnitSheets.size())) return;
    QWidget* sheet = UnitSheets[std::size_t(unit - 1)];
    const int index = UnitPageControl->indexOf(sheet);
    UnitPageControl->setTabText(index, UnitPageControl->tabText(index) + " " + QString::fromStdString(modelName));
    UnitPageControl->setTabVisible(index, true);
    // A single device shows its ports without a tab header.
    UnitPageControl->tabBar()->setVisible(stacked);
    if (!stacked) UnitPageControl->setCurrentIndex(index);
    const std::size_t first = std::size_t(unit - 1) * UnitPortPositions;
    const int count = std::min(portCount, UnitPortPositions);
    for (int p = 0; p < count && first + p < PortCheckBoxes.size(); ++p) PortCheckBoxes[first + p]->show();
}

void TStackingPortUitForm::UncheckAll() {
    for (QCheckBox* box : PortCheckBoxes) box->setChecked(false);
}

bool TStackingPortUitForm::AnyChecked() const {
    return std::any_of(PortCheckBoxes.begin(), PortCheckBoxes.end(), [](const QCheckBox* box) { return box->isChecked(); });
}

void TStackingPortUitForm::EnableAll() {
    for (QCheckBox* box : PortCheckBoxes) box->setEnabled(true);
}

void TStackingPortUitForm::DisableAll() {
    for (QCheckBox* box : PortCheckBoxes) box->setEnabled(false);
}

int getModelPortCount(const std::string& modelName, bool stacked) {
    const TPanelModel* model = FindPanelModel(modelName);
    return model ? model->PortCount(stacked) : 0;
}

std::string makePortNumberList(bool stacked) {
    const int positions = stacked ? MaxStackUnits * UnitPortPositions : UnitPortPositions;
    std::string list = "0";
    for (int n = 1; n < positions; ++n) list += "," + std::to_string(n);
    return list;
}

std::string standaloneModelName(const TPortSelectorDevice& device) {
    std::string model = BaseModelName;
    for (const TPortSelectorUnit& unit : device.Units)
        if (unit.UnitId == "1" && FindPanelModel(unit.ModuleName)) model = unit.ModuleName;
    return model;
}

void setupPortSelector(TStackingPortUitForm* selector, QWidget* sheet, const TPortSelectorDevice& device) {
    selector->setParent(sheet);
    if (!sheet->layout()) {
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    sheet->layout()->addWidget(selector);
    selector->show();
    if (!device.Stacked) {
        const std::string model = standaloneModelName(device);
        selector->AddUnitPage(QStringLiteral("Unit1"), UnitPortPositions, PortsPerRow);
        selector->ShowUnit("1", model, getModelPortCount(model, false), false);
        return;
    }
    for (int n = 1; n <= MaxStackUnits; ++n)
        selector->AddUnitPage(QStringLiteral("Unit%1").arg(n), UnitPortPositions, PortsPerRow);
    for (const TPortSelectorUnit& unit : device.Units)
        if (unit.ExistState != "no-exist")
            selector->ShowUnit(unit.UnitId, unit.ModuleName, getModelPortCount(unit.ModuleName, true), true);
}
