#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMainForm;

enum class TDialogOwner { Application, MainWindow };

// A dedicated dialog a menu item opens: its class, its owner, the title its caption starts with (the
// device address follows) and whether code of the dialog's unit reaches it while it is open.
struct TMenuDialog {
    const char* Handler;
    const char* ClassName;
    TDialogOwner Owner;
    const char* Title;  // nullptr: the dialog sets its own caption
    bool Exported = true;
};

// Makes the dialog of one class; owner is the main window or null for the application.
using TDialogFactory = std::function<std::unique_ptr<QDialog>(QWidget* owner)>;

// The pages that build a dedicated dialog register it under its class name; until then its menu item
// opens a page that says so.
void RegisterDialogOpener(const std::string& className, TDialogFactory factory);
bool HasDialogOpener(const std::string& className);
// The class names with an opener, in name order.
std::vector<std::string> RegisteredDialogClasses();
// The open dialog of a class while its menu item shows it, for the code of the dialog's unit; null
// otherwise (also once the dialog is freed).
QDialog* ExportedDialog(const std::string& className);

// Makes, captions, shows modally and frees the dialog.
void OpenMenuDialog(TMainForm& form, const TMenuDialog& dialog);

// The stand-in of a dialog not in this build: its caption and one line that says so.
class TUnavailablePage : public QDialog {
    Q_OBJECT

public:
    explicit TUnavailablePage(QWidget* owner);
};
