#pragma once

#include "KyControlBinding.h"
#include "KyEditConstraint.h"
#include "KySNMPRequest2Controls.h"

#include <QMetaObject>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class KyOptionList;
class KyRadioGroup;

// The binding object of a page: ties the variables of its request to the controls of a form. A Get fills
// the controls (or appends list rows), selecting a list row copies it into the variables and the
// controls, and a Set takes the values from them first. Controls: QLabel (labels and static texts),
// QLineEdit, QComboBox, KyRadioGroup, QCheckBox; one QTreeWidget shows a table list.
class KySNMPRequest2Edits : public KySNMPRequest2Controls {
public:
    explicit KySNMPRequest2Edits(QWidget* owner);
    ~KySNMPRequest2Edits() override;

    std::function<void()> OnBeforeGet;
    std::function<void()> OnBeforeSet;
    std::function<void()> OnGetDone;
    std::function<void()> OnSetDone;
    // A list line just made from the variables, before the list takes it.
    std::function<void(QTreeWidgetItem& item)> OnListRow;
    QPointer<QTreeWidget> ListView;
    std::vector<KyControlBinding> Bindings;  // in bind order
    KyEditConstraint Constraint;  // the input rules of the bound edits
    // The encoding of the display strings the list shows; empty: one octet a character. Selecting a line
    // still gives the octets as read.
    std::string ListTextEncoding;
    std::uint8_t AutoEnable = 1;
    // Milliseconds between two paints of the list while an asynchronous walk fills it.
    int RowPace = 50;

    // The Add and Edit dialogs of list pages borrow the page's edits and own the constraint's boxes meanwhile.
    void SetConstraintOwner(QWidget* owner);

    // Read-only, whole rows, single selection; its columns from the list. With autoEnable, the bound
    // controls are disabled after a completed walk of an MVT_FMV list until a row is selected.
    void BindListView(QTreeWidget* list, std::uint8_t autoEnable);
    // Whole-value binding of one control of any supported class.
    void BindControl(int varIndex, QWidget* control);
    void BindStaticText(int varIndex, QLabel* text);
    void BindComboBox(int varIndex, QComboBox* combo);
    // columns is accepted for the callers' sake; the group lays out its buttons itself.
    void BindRadioGroup(int varIndex, KyRadioGroup* group, int columns = 0);
    // One edit per "%" directive of type s, h, i, u, f or n in the format, each with its directive as input
    // rule; a bad format raises -2 before anything is bound.
    void BindEdits(int varIndex, const std::string& format, const std::vector<QLineEdit*>& edits,
                   KyEditValidator validator = {});
    // bitNumbers: a comma list, one check box per number; bit 0 is the highest bit of the first octet.
    void BindCheckBoxBits(int varIndex, const std::string& bitNumbers, const std::vector<QCheckBox*>& boxes);
    // As BindCheckBoxBits, with the first as many controls of the list as there are numbers.
    void BindControlList(int varIndex, const std::string& partNumbers, const std::vector<QWidget*>& controls);
    void BindPartComboBox(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options, QComboBox* combo);
    void BindPartEdits(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                       const std::string& format, const std::vector<QLineEdit*>& edits, KyEditValidator validator = {});
    // The encoding of the variable's display string in its bound edits (see TextOfOctets); set after binding.
    void SetTextEncoding(int varIndex, const std::string& encoding);
    // Forgets every binding of the variable and the input rules of its edits; a second call does nothing.
    void Unbind(int varIndex);

    void EnableControls(bool enabled);
    void BuildColumns();
    // During an asynchronous walk the row waits for the next paint step (RowPace); the
    // list gets every waiting row at once then and when the read ends.
    void AddListRow();
    void ShowWaitingRows();
    void ReadSelectedRow();
    // The cells of one line into the variables; every selection and every Set reads its row through here.
    virtual void ReadRow(const QTreeWidgetItem* line);
    // Variables into the bound controls, and back; which: a variable position or -1 for all.
    void ValuesToControls(int which);
    void ControlsToValues(int which);

protected:
    void BeforeGet() override;
    void BeforeSet() override;
    void RowReceived() override;
    void CollectForSet() override;
    void GetDone() override;
    void SetDone() override;
    void ReadEnded() override;
    virtual void ListItemSelected(QTreeWidgetItem* item, bool selected);

private:
    void bindOne(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options, QWidget* control);
    void bindEdits(int varIndex, int byteOffset, int partSyntax, const KyOptionList* options,
                   const std::string& format, const std::vector<QLineEdit*>& edits, KyEditValidator validator);
    void bindNumbered(int varIndex, const std::string& numbers, std::vector<QWidget*> controls);
    // The variable each list cell shows, in cell order.
    const std::vector<int>& cellOrder();
    void showBinding(const KyControlBinding& binding);
    bool collectBinding(const KyControlBinding& binding, int syntax, std::string& value);
    std::string portListTemplate(int varIndex) const;
    bool keepsOtherOctets(int varIndex) const;

    QMetaObject::Connection Selection;
    std::vector<int> CellOrder;
    QObject Context;  // ends the binder's own connections with it
    // Rows received since the list was last painted; owned here until the list takes them.
    std::vector<QTreeWidgetItem*> WaitingRows;
    QTimer RowPaceTimer;
    // While a Set collects: the values before they were emptied, and which variables got one again.
    std::vector<std::string> ValuesBeforeCollect;
    std::vector<bool> Provided;
};
