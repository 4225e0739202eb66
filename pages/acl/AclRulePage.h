#pragma once

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "AclTablePage.h"

#include <memory>

class QComboBox;
class QSplitter;

// The base of the access rule pages: their frame and button column, their shared editor, and the
// refusals and writes every rule page makes the same way.
class TAclRulePage : public TAclTablePage {
    Q_OBJECT

public:
    TAclRulePage(QWidget* owner, const TPageOptions& options, int rowStatusColumn);

    // The handlers of the button column and the action combo.
    virtual void GetButtonClick();
    virtual void AddButtonClick() = 0;
    virtual void EditButtonClick() = 0;
    // The selected rule's "destroy" alone.
    void DeleteButtonClick();
    virtual void PermitComboBoxChange();

protected:
    // The list over the field editor in a vertical splitter, at the left of the page; gives the editor's
    // grid.
    TFieldGrid BuildListAndEditor(QTreeWidget*& list, int listHeight, int rowsPerColumn);
    // The page control below the editor, as tall as the list.
    QTabWidget* AddPageControl(const char* name);
    // The button column with the base's handlers connected; Check All and Clear Checks take the page's
    // names, and the page connects them.
    void AddButtonColumn(QPushButton*& checkAll, const char* checkAllName, QPushButton*& clearChecks,
                         const char* clearChecksName);
    // The editor over the page's fields; the action combo runs PermitComboBoxChange, and the two enable
    // combos, where they drive their fields, enable them.
    void CreateEditor(const TAclRuleEditor::Controls& controls, std::vector<TAclRuleEditor::Field> fields,
                      const QString& emptyText, bool formsAfterEmpties);

    // The two key edits must be set: the first empty one is refused with its text and takes the focus.
    bool CheckKeys(const QString& firstEmptyText, const QString& secondEmptyText);
    // The editor's field checks, then a checked port of the selector: true when they pass.
    bool CheckFieldsAndPorts(const TStackingPortUitForm& selector);
    // An Add once the page's checks passed: a listed pair of the key edits (the focus on the first), then
    // an unchecked action refused; else the new row with the columns left out.
    void AddRule(const QString& duplicateText, const std::vector<int>& excluded);
    // An Edit of the selected row once the page's checks passed, with the row's own status.
    void EditRule(const std::vector<int>& excluded, const QComboBox* rowStatus);
    // One write and the re-read; the status column takes the combo item given, or travels as the combo
    // shows it (-1). Then AfterWrite.
    void WriteRule(const std::vector<int>& excluded, int rowStatusItem);
    // The page's enabling rules again, once a write has re-read the list.
    virtual void AfterWrite();

    std::unique_ptr<TAclRuleEditor> Editor;

private:
    const int RowStatusColumn;
    QSplitter* Splitter = nullptr;
};
