#pragma once

#include "DialogOpeners.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPVarDesc.h"
#include "PageKit.h"
#include "TBasicFormUnit.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TPageEditDialog;
class TStackingPortUitForm;

// How a page reports an exception its handlers catch: the status template of the binder that raised it,
// or the bare message in panel 0.
enum class TPageReport { ThroughBinder, BarePanel };

// The variant of a page, chosen once in its constructor.
struct TPageOptions {
    int Width = 0;  // design size; 1.25 times on a screen not at 96 dpi
    int Height = 0;
    // Async main binder with DataComplete: Refresh ignored and writes refused while a read runs.
    bool Guarded = false;
    // A guarded page whose close is refused while its read runs.
    bool RefuseCloseWhileReading = false;
    TPageReport Report = TPageReport::ThroughBinder;
    // The refusal of a write while reading; Set may have its own wording.
    std::string BusyText = "Get data not complete";
    // The refusal of a close while reading.
    std::string CloseText = "Get data not complete";
    // An unguarded page's answer to Refresh while its binder is busy; empty: the click does nothing.
    std::string RefreshBusyText;
};

// One binder of a page: its table, how it is read and how its controls are bound.
struct TBinderSpec {
    const KySNMPVarDesc* Table = nullptr;
    std::uint8_t ItemType = SVT_SV;
    int KeyCount = 0;
    bool Async = true;
    // The main binder: its end of read completes the page's data, and the row counter follows its list.
    bool Main = false;
    bool ReadNow = true;  // the first read from the create handler
    int Timeout = 0;       // 10 ms units; 0 keeps the library's
    QTreeWidget* List = nullptr;  // the list the binder fills (auto-enable 1)
    // The bindings of the other controls, made after the list's.
    std::function<void(KySNMPRequest2Edits&)> Bind;
};

// The base of every dedicated page: builds its binders one guard each, reads at once, guards Refresh,
// writes with some columns masked for the time of the Set, locks the row keys while a row is selected
// and, on closing, stops each binder, waits for it and frees everything it made. A page adds only its
// layout, tables, checks and messages.
class TDedicatedPage : public TBasicForm {
    Q_OBJECT

public:
    explicit TDedicatedPage(QWidget* owner, const TPageOptions& options);
    ~TDedicatedPage() override;

    // 1 while no read the page started is running (guarded pages).
    std::uint8_t DataComplete = 0;

    // The status panel (panel 0 of StatusBar1), every binder's status target.
    QLabel* StatusPanel() const { return Panel0; }
    QStatusBar* StatusBar() const { return StatusBar1; }
    // The binder that reads the page's list, or null when it could not be made.
    KySNMPRequest2Edits* MainBinder() const { return Main; }

    // Whether a read started by the page still runs; a flag left down by a read whose end never came rises
    // here as soon as the binder is idle, so a page never locks up.
    bool Reading();
    // Whether no binder of the page has a request out.
    bool BindersIdle() const;

    // Buttons of the page that the base drives; any may stay null.
    QPushButton* RefreshButton = nullptr;
    QPushButton* SetButton = nullptr;  // Set or Edit
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLabel* RowCounter = nullptr;
    // Edits of the key columns: enabled only while no row is selected.
    std::vector<QWidget*> KeyEdits;

    // Ends the page the way its Close button does (the close query may refuse).
    void CloseClick();
    // Stops the main binder's read at its next answer.
    void StopClick();
    // Refresh: the secondary binders first, then the main one, each only when idle; a guarded page
    // ignores the click while its read runs. Then the counter, the inputs and the idle buttons.
    void RefreshClick();
    // Refresh that says why it does not read: a read runs, or a stopped one still waits for its answer.
    void RefreshOrRefuse(const QString& text);

    // The refusal of a write: the page's text while its read runs (shown, nothing sent). Gives true when
    // the write may go on.
    bool MayWrite(const std::string& readingText = {});
    // One SET of every writable column of the main binder but the excluded ones, under the instance of
    // the key columns; the exclusions last for the SET alone. rowStatus: the RowStatus column's position
    // and the combo index to select first, or -1.
    // False when the write did not go out or, on a synchronous binder, failed: the binder has shown why.
    [[nodiscard]] bool MaskedSet(const std::vector<int>& excluded, int rowStatusPos = -1, int rowStatusItem = -1,
                   std::uint8_t reload = 0);
    // Every column but the keys and the one given: what a Delete leaves out.
    std::vector<int> AllButKeysAnd(int position) const;
    // Waits (painting, without user input) until the main binder has its answer, so a second request can
    // follow the first.
    void WaitForBinder(KySNMPRequest2Controls& binder);
    // The re-read after a write (it starts when the SET's answer is in).
    void ReadAgain();
    // The re-read after a write that gave `sent`: none after a write refused before it went out, whose
    // refusal the re-read's "Ok!" would hide; a synchronous write that failed was sent, so the list shows
    // what the switch kept.
    void ReadAgainAfter(bool sent);
    // After a write that gave `sent` and that nothing follows: a write refused while the main binder
    // still has a request out is told in a box, since that request's end writes over the status line.
    void ShowRefusal(bool sent);
    // Runs a write and re-read under the page's exception guard: a failure is reported and the page's data
    // counts as complete again. write gives whether the write went out; a write refused before it was
    // sent is not followed by a re-read, whose "Ok!" would hide the refusal.
    void GuardedWrite(const std::function<bool()>& write);
    // Shows the dialog that covers a write the switch takes long for; a failed answer to the write ends
    // it at once, so a refused write is never shown as under way.
    void CoverWrite(KySNMPRequest2Controls& binder, QDialog& progress);

    // The in-page editor rule: with a row selected Set/Edit and Delete work and the keys are locked;
    // without one Add and the keys work and the inputs are reset.
    void ShowRowSelected(bool selected);
    virtual void ResetInputs() {}
    // The end of each asynchronous read of the main binder; DataComplete is already 1.
    virtual void ReadEnded(const KySNMPError&) {}
    // A message box with the application's title (the page's own input errors).
    void ShowMessage(const QString& text);
    // Reports a caught exception the page's way.
    void Report(const std::exception& error, KySNMPRequest2Controls* binder = nullptr);

    // Add and Edit through the page's dialog: refused while reading, the caption after the page's with
    // " (Add)" or " (Edit)" (or the dialog's own with the suffix), Edit only with a selected row; after
    // Edit the selection is cleared.
    void ShowEditDialog(TPageEditDialog& dialog, bool add, const QString& ownCaption = {});
    // Makes the page's add/edit dialog, owned by the page until it closes.
    template <typename Dialog>
    Dialog* CreateEditDialog() {
        auto dialog = std::make_unique<Dialog>(*this);
        Dialog* made = dialog.get();
        OwnedDialogs.push_back(std::move(dialog));
        return made;
    }

protected:
    // Creates a binder inside its own exception guard: list, bindings, status target, end-of-read hook,
    // first read. A failure is reported and the next binder is still made; the binder is kept when it
    // was created.
    template <typename Binder = KySNMPRequest2Edits>
    Binder* CreateBinder(const TBinderSpec& spec) {
        return static_cast<Binder*>(Adopt(spec, [this] { return std::make_unique<Binder>(this); }));
    }

    // A port selector on its own tab of the page control, showing the device's units.
    TStackingPortUitForm* AddPortSelector(QTabWidget* pages, const QString& caption);
    // "0,1,...,63", or "0,...,767" in a stack: the positions the port lists bind to.
    static std::string PortNumberList();
    // Binds a port-list column to the selector's check boxes.
    static void BindPortList(KySNMPRequest2Edits& binder, int position, const std::string& ports,
                             const TStackingPortUitForm* selector);

    // The frame of a table page edited in place: the list over the entry panel (Lower), and on the right
    // the row counter over Refresh, Edit, Add, Delete and Close.
    TListOverPanel BuildEditorFrame(const char* counterName, const char* closeName);

    // The page's list: the counter follows its rows; the page's own selection handler runs before the
    // binder copies a selected row into the controls, and then the in-page editor rule applies (keys
    // locked once the row is in them). Call before creating the binder that fills the list.
    using SelectHandler = std::function<void(QTreeWidgetItem* item, bool selected)>;
    void WatchList(QTreeWidget* list, SelectHandler onSelectItem = {}, bool inPageEditor = true);

    // The close query: refused with the page's text only while a read runs.
    virtual bool FormCloseQuery();
    // Clears the selection, frees the selectors, stops each binder in creation order, waits for it and
    // frees it, then the page's dialogs. Later calls do nothing.
    void FormClose();

    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Where the page lays out its controls; the status bar lies below it.
    QWidget* Client = nullptr;
    QTreeWidget* ListView = nullptr;
    // Dialogs the page made (an add/edit dialog): freed when the page closes.
    std::vector<std::unique_ptr<QWidget>> OwnedDialogs;
    std::vector<QPointer<TStackingPortUitForm>> Selectors;
    const TPageOptions Options;

private:
    KySNMPRequest2Edits* Adopt(const TBinderSpec& spec, const std::function<std::unique_ptr<KySNMPRequest2Edits>()>& make);
    void UpdateRowCounter();
    void MarkDataComplete(const KySNMPError& error);
    void SelectionCopied(QTreeWidgetItem* item, bool selected);

    std::vector<std::unique_ptr<KySNMPRequest2Edits>> Binders;  // in creation order
    std::vector<QPointer<QTreeWidget>> WatchedLists;
    KySNMPRequest2Edits* Main = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel0 = nullptr;
    bool InPageEditor = false;
    bool Closed = false;
};

// Runs a read or write of the page; a library failure is reported the page's way.
void Reported(TDedicatedPage& page, const std::function<void()>& action);

// Lets the menus open the page class under its name.
template <typename Page>
void RegisterPage(const std::string& className) {
    RegisterDialogOpener(className, [](QWidget* owner) -> std::unique_ptr<QDialog> { return std::make_unique<Page>(owner); });
}
