#pragma once

#include <QDialog>

#include <vector>

class TDedicatedPage;

// The Add and Edit dialog of a table page: its controls are bound to the page's binder, so selecting a
// row of the page's list fills them, and its Set writes through the page. The page owns the dialog.
class TPageEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPageEditDialog(TDedicatedPage& page);

    TDedicatedPage& Page;
    // The key fields: enabled and emptied for a new row, locked for an existing one.
    std::vector<QWidget*> KeyEdits;
    bool Adding = false;

    // Called before the dialog shows; a dialog adds its own defaults (a fixed row status ...).
    virtual void PrepareAdd();
    virtual void PrepareEdit();
};
