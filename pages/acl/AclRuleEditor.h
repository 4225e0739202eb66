#pragma once

#include "AddressChecks.h"

#include <QString>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TStackingPortUitForm;

// The editor shared by the access rule pages: a check box beside every optional field decides whether
// the field travels; the action enables the fields only a permitted (or mirrored) rule carries; the
// priority and replace-DSCP combos enable their dependent fields.
class TAclRuleEditor {
public:
    // One optional field: its check box, the control it guards and the column it fills.
    struct Field {
        QCheckBox* Box = nullptr;
        QWidget* Control = nullptr;
        int Position = -1;
        // Enabled by the action ("permit" or "mirror"): checked by Check All only while enabled, and
        // left out of a deny rule where the page says so.
        bool ActionBound = false;
        // Whether a checked, empty control is refused.
        bool MustNotBeEmpty = true;
        // The field's form, checked when the box is checked: the message of a wrong text, or empty. A field
        // that may be empty has its empty text checked too.
        std::function<QString(const QString&)> Check;
    };

    // The controls the action and the two enable combos drive.
    struct Controls {
        QComboBox* Permit = nullptr;
        QCheckBox* PermitBox = nullptr;
        QComboBox* EnablePriority = nullptr;
        QCheckBox* EnablePriorityBox = nullptr;
        QLineEdit* Priority = nullptr;
        QCheckBox* PriorityBox = nullptr;
        QComboBox* ReplacePriority = nullptr;
        QCheckBox* ReplacePriorityBox = nullptr;
        QComboBox* EnableReplaceDscp = nullptr;
        QCheckBox* EnableReplaceDscpBox = nullptr;
        QLineEdit* DscpValue = nullptr;
        QCheckBox* DscpValueBox = nullptr;
        QLineEdit* RxRate = nullptr;
        QCheckBox* RxRateBox = nullptr;
        QLineEdit* MirrorID = nullptr;
        QCheckBox* MirrorIDBox = nullptr;
        // Whether the two enable combos drive their dependent fields. Without it any action but "deny" or
        // "mirror" (also none chosen) enables every action-bound control, and no tick is changed.
        bool CombosEnable = true;
    };

    // Fields in the order the checks visit them. emptyText: the message of a checked, empty field;
    // formsAfterEmpties: every field's emptiness is checked before any field's form.
    TAclRuleEditor(Controls controls, std::vector<Field> fields, QString emptyText, bool formsAfterEmpties);

    // The enabling by the action, then by the two enable combos; a page without some of these controls
    // leaves them null.
    void PermitChange();
    void PriorityChange();
    void ReplaceDscpChange();

    // Checks every box; the action-bound ones only while enabled.
    void CheckAll();
    // The first failing check of the checked fields: the message and the control, or an empty message.
    struct Failure {
        QString Text;
        QWidget* Control = nullptr;
    };
    Failure Validate() const;

    // The columns a write leaves out: every unchecked field, and the action-bound fields of a deny
    // rule when denyDrops.
    std::vector<int> Exclusions(bool denyDrops) const;
    // Priority and replaced priority travel only while the priority in force is enabled: the combo's
    // when its box is checked, else the selected row's cell (an empty cell decides nothing).
    std::vector<int> PriorityExclusions(const QTreeWidgetItem* selectedRow, int enableColumn) const;
    // Both of them: what an Add or Edit leaves out.
    std::vector<int> Selection(bool denyDrops, const QTreeWidgetItem* selectedRow, int enableColumn) const;

    // An Add's refusal after the field checks: a listed pair of keys (the texts compared, focus on keyEdit),
    // then an unchecked action.
    Failure NewRuleRefusal(const QTreeWidget* list, const std::vector<QString>& keys, const QString& duplicateText,
                           QWidget* keyEdit) const;

    // Whether a port of the selector's first 64 positions, or 768 in a stack, is checked.
    static bool HasCheckedPort(const TStackingPortUitForm& selector);

    // The combo item of the row's own status for an Edit: never "destroy", whatever the hidden combo
    // was left showing; "active" when the cell says nothing usable.
    static int OwnStatusItem(const QComboBox* rowStatus, const QTreeWidgetItem* row, int column);

    const std::vector<Field>& Fields() const { return AllFields; }

private:
    Controls C;
    std::vector<Field> AllFields;
    QString EmptyText;
    bool FormsAfterEmpties;
};

// Integer value of an edit's text, -1 when it is not one.
int IntegerOr(const QString& text, int otherwise = -1);
// The message of an RX rate outside 0-156249, or empty.
QString CheckRxRate(const QString& text);
// Whether a payload offset group's text takes one of a rule's two groups: 32 zeros count as unused.
bool IsUsedOffsetGroup(const QString& text);
// The strict IPv4 reader on the whole text.
bool IsIPv4(const QString& text);
