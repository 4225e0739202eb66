#pragma once

#include <QDialog>

class TSNMPListViewPanel;
class TSNMPPanel;

// The Add or Edit dialog of a table page: a frame around the page's editor rows, sharing the page's
// status strip. It closes only after a Set that went through; a refused or failed one keeps the input.
class TRowEditDialog : public QDialog {
    Q_OBJECT

public:
    TRowEditDialog(TSNMPListViewPanel* page, const QString& caption, bool editing);
    // Gives the editor rows back to the page.
    ~TRowEditDialog() override;

    TSNMPPanel* Frame;

private:
    TSNMPListViewPanel* Page;
};
