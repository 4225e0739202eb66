#pragma once

#include "AclRuleEditor.h"
#include "DedicatedPage.h"

#include <memory>

// The base of the access rule pages: their shared editor, and the refusals and writes every rule page
// makes the same way.
class TAclRulePage : public TDedicatedPage {
    Q_OBJECT

public:
    TAclRulePage(QWidget* owner, const TPageOptions& options, int rowStatusColumn);

protected:
    // Shows an input error and moves the focus to the control while it is enabled; false.
    bool Refuse(const QString& text, QWidget* control);
    // The editor's field checks, then a checked port of the selector: true when they pass.
    bool CheckFieldsAndPorts(const TStackingPortUitForm& selector);
    // The refusals of an Add once its fields pass: a listed pair of keys, then an unchecked action.
    bool MayAdd(const std::vector<QString>& keys, const QString& duplicateText, QWidget* keyEdit);
    // One write and the re-read; the status column takes the combo item given, or travels as the combo
    // shows it (-1). Then the page's enabling rules run again.
    void WriteRule(const std::vector<int>& excluded, int rowStatusItem);
    // The selected rule's "destroy" alone.
    void DeleteRule();
    virtual void AfterWrite() = 0;

    std::unique_ptr<TAclRuleEditor> Editor;

private:
    const int RowStatusColumn;
};
