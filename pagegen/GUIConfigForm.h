#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class KySNMPRequest2Edits;
class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

enum TConfigFormType : std::uint8_t { cftNone = 0, cftEditor = 1, cftListView = 2, cftPaged = 3 };

// The window of every generated page: an editor page, a table page or tabbed pages, built from the
// binding objects handed to it, which it owns. It reads its data once its modal loop runs, a tab's each
// time the tab is selected, and on closing stops every request and waits for it.
class TConfigForm : public QDialog {
    Q_OBJECT

public:
    explicit TConfigForm(QWidget* parent = nullptr);
    ~TConfigForm() override;

    TConfigFormType FormType = cftNone;
    std::vector<std::unique_ptr<KySNMPRequest2Edits>> Requests;
    QTabWidget* PageControl = nullptr;
    std::string DeviceIP;  // closes the captions of the dialogs a tab opens

    // Exactly one Make per form; a second one raises "Can not change Type of a Config Form!".
    TSNMPEditorPanel* MakeEditor(std::unique_ptr<KySNMPRequest2Edits> request);
    // addText/deleteText: the RowStatus values Add and Delete write into rows addRow/deleteRow, or
    // empty for no Add/Delete.
    TSNMPListViewPanel* MakeListView(std::unique_ptr<KySNMPRequest2Edits> request, int addRow,
                                     const std::string& addText, int deleteRow, const std::string& deleteText);
    void MakePaged();
    TSNMPEditorPanel* AddEditorPage(const QString& caption, std::unique_ptr<KySNMPRequest2Edits> request);
    TSNMPListViewPanel* AddListViewPage(const QString& caption, std::unique_ptr<KySNMPRequest2Edits> request,
                                        int addRow, const std::string& addText, int deleteRow,
                                        const std::string& deleteText);

    // Reads the page, or the selected tab; nothing while that tab's read still runs.
    void Refresh();
    // Every way of closing ends here: stops each request, waits for it (bounded by its time-out) and
    // frees it. Later calls do nothing.
    void FormClose();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The self-posted first read and tab changes: nothing escapes into the event loop.
    void RefreshFromLoop();
    KySNMPRequest2Edits* Adopt(std::unique_ptr<KySNMPRequest2Edits> request);
    void CheckUnbuilt();
    QWidget* AddSheet(const QString& caption, const char* refusal);
    void FitSheet(QWidget* sheet, QWidget* panel, QSize natural);

    bool Closed = false;
};
