#include "ProgramEntry.h"

#include "MainUnit.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <memory>

namespace {

void showMessage(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), QString::fromLatin1(text), QMessageBox::Ok);
    box.exec();
}

}  // namespace

int RunProgram(const std::vector<std::string>& args) {
    // Nothing to manage: stop before the session starts or any request goes out.
    if (args.empty()) {
        showMessage(QMessageBox::NoIcon, "No parameter input");
        return EXIT_FAILURE;
    }

    std::unique_ptr<TMainForm> form;
    try {
        form = std::make_unique<TMainForm>(args);
    } catch (const std::exception& e) {
        showMessage(QMessageBox::Critical, e.what());
        return EXIT_FAILURE;
    }
    form->show();
    return QApplication::exec();
}
