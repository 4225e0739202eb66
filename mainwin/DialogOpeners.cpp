#include "DialogOpeners.h"

#include "MainUnit.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

namespace {

std::map<std::string, TDialogFactory>& Openers() {
    static std::map<std::string, TDialogFactory> openers;
    return openers;
}

std::map<std::string, QPointer<QDialog>>& Exported() {
    static std::map<std::string, QPointer<QDialog>> exported;
    return exported;
}

// "TAboutForm" gives "About": the caption of a stand-in whose dialog captions itself.
std::string BareName(std::string name) {
    if (name.size() > 1 && name[0] == 'T') name.erase(0, 1);
    if (name.size() > 4 && name.ends_with("Form")) name.resize(name.size() - 4);
    return name;
}

}  // namespace

TUnavailablePage::TUnavailablePage(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("UnavailablePage"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("This page is not available in this build."), this);
    text->setObjectName(QStringLiteral("UnavailableText"));
    layout->addWidget(text);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void RegisterDialogOpener(const std::string& className, TDialogFactory factory) {
    Openers()[className] = std::move(factory);
}

bool HasDialogOpener(const std::string& className) { return Openers().contains(className); }

std::vector<std::string> RegisteredDialogClasses() {
    std::vector<std::string> names;
    for (const auto& [name, factory] : Openers()) names.push_back(name);
    return names;
}

QDialog* ExportedDialog(const std::string& className) {
    const auto it = Exported().find(className);
    return it == Exported().end() ? nullptr : it->second.data();
}

void OpenMenuDialog(TMainForm& form, const TMenuDialog& menuDialog) {
    QWidget* owner = menuDialog.Owner == TDialogOwner::MainWindow ? &form : nullptr;
    const auto opener = Openers().find(menuDialog.ClassName);
    std::unique_ptr<QDialog> dialog;
    if (opener != Openers().end()) dialog = opener->second(owner);
    else dialog = std::make_unique<TUnavailablePage>(owner);
    if (!dialog) return;
    if (menuDialog.Title)
        dialog->setWindowTitle(QString::fromStdString(menuDialog.Title + form.DeviceIP()));
    else if (opener == Openers().end())
        dialog->setWindowTitle(QString::fromStdString(BareName(menuDialog.ClassName)));
    // A guarded pointer: it is null again as soon as the dialog is freed, however it ends.
    if (menuDialog.Exported) Exported()[menuDialog.ClassName] = dialog.get();
    dialog->exec();
}
