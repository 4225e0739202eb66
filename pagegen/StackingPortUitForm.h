#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QTabWidget;

// The model a single device's selector falls back to when the unit table names none.
extern const std::string BaseModelName;
inline constexpr int PortsPerRow = 12;
inline constexpr int UnitPortPositions = 64;  // port positions of one stack unit
inline constexpr int MaxStackUnits = 12;

// A port number of the stack as unit and port: 65 is unit 2 port 1, 128 is unit 2 port 64, 0 stays 0 and 0.
struct TUnitPort {
    int Unit;
    int Port;
};
inline TUnitPort SplitStackPort(int stackPort) {
    const int unit = stackPort / UnitPortPositions;
    const int port = stackPort % UnitPortPositions;
    if (port != 0) return {unit + 1, port};
    return {unit, stackPort == 0 ? 0 : UnitPortPositions};
}
inline int StackPort(int unit, int port) { return (unit - 1) * UnitPortPositions + port; }

// A unit of the device as the main window last read it.
struct TPortSelectorUnit {
    std::string UnitId;      // the unit table's caption, 1 .. 12
    std::string ModuleName;  // "Module Name"
    std::string StartPort;   // "Start Port"
    std::string ExistState;  // "Exist State"
};

// What the selector shows: the stacking mode and the unit table.
struct TPortSelectorDevice {
    bool Stacked = false;
    std::vector<TPortSelectorUnit> Units;
};

// The port grid of the dialogs that edit a port list: one tab per stack unit with numbered check boxes,
// twelve per row. Check box k is port position k of the list: port p of unit u is (u-1)*64 + p - 1.
class TStackingPortUitForm : public QWidget {
    Q_OBJECT

public:
    explicit TStackingPortUitForm(QWidget* owner = nullptr);

    QTabWidget* UnitPageControl;
    std::vector<QCheckBox*> PortCheckBoxes;  // unit 1's 64, then unit 2's, ...
    std::vector<QWidget*> UnitSheets;

    // One hidden unit sheet with `count` hidden check boxes.
    void AddUnitPage(const QString& caption, int count, int perRow);
    // Shows the unit's sheet, captioned with the model, and its first portCount boxes; a unit text that
    // is no unit of the selector shows nothing.
    void ShowUnit(const std::string& unitText, const std::string& modelName, int portCount, bool stacked);
    void UncheckAll();
    bool AnyChecked() const;
    void EnableAll();
    void DisableAll();

private:
    void CreatePortBoxes(QWidget* box, int count, int perRow);
};

// Ports of a model in a stack or alone; 0 for a model the program does not know.
int getModelPortCount(const std::string& modelName, bool stacked);
// The positions the port-list variable binds the check boxes to: "0,1,...,767" for a stack, "0,...,63"
// otherwise.
std::string makePortNumberList(bool stacked);
// The model a single device shows: unit 1's, as the front panel shows it; the base model when the unit
// table names none the program knows.
std::string standaloneModelName(const TPortSelectorDevice& device);
// Embeds the selector in the sheet and shows the device's units.
void setupPortSelector(TStackingPortUitForm* selector, QWidget* sheet, const TPortSelectorDevice& device);
