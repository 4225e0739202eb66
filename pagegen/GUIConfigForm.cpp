#include "GUIConfigForm.h"

#include "KyException.h"
#include "KySNMPRequest2Edits.h"
#include "PageRequest.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>

TConfigForm::TConfigForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ConfigForm");
    setWindowTitle("ConfigForm");
    resize(159, 105);
    // Runs once the opener's modal loop starts: the page is built, captioned and shown by then.
    QMetaObject::invokeMethod(this, [this] { RefreshFromLoop(); }, Qt::QueuedConnection);
}

TConfigForm::~TConfigForm() { FormClose(); }

KySNMPRequest2Edits* TConfigForm::Adopt(std::unique_ptr<KySNMPRequest2Edits> request) {
    Requests.push_back(std::move(request));
    return Requests.back().get();
}

void TConfigForm::CheckUnbuilt() {
    if (FormType != cftNone) throw KyException(0, "Can not change Type of a Config Form!");
}

TSNMPEditorPanel* TConfigForm::MakeEditor(std::unique_ptr<KySNMPRequest2Edits> request) {
    CheckUnbuilt();
    FormType = cftEditor;
    auto* panel = new TSNMPEditorPanel(this, Adopt(std::move(request)));
    panel->FitHostForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::MakeListView(std::unique_ptr<KySNMPRequest2Edits> request, int addRow,
                                              const std::string& addText, int deleteRow,
                                              const std::string& deleteText) {
    CheckUnbuilt();
    FormType = cftListView;
    auto* panel = new TSNMPListViewPanel(this, Adopt(std::move(request)));
    panel->FitHostForm(this);
    if (!addText.empty()) panel->SetAddStatus(addRow, addText);
    if (!deleteText.empty()) panel->SetDeleteStatus(deleteRow, deleteText);
    return panel;
}

void TConfigForm::MakePaged() {
    CheckUnbuilt();
    FormType = cftPaged;
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    PageControl->setUsesScrollButtons(false);
    PageControl->tabBar()->setExpanding(false);
    QObject::connect(PageControl, &QTabWidget::currentChanged, this, [this] { RefreshFromLoop(); });
}

QWidget* TConfigForm::AddSheet(const QString& caption, const char* refusal) {
    if (FormType != cftPaged) throw KyException(0, refusal);
    auto* sheet = new QWidget;
    sheet->setProperty("Tag", PageControl->count());
    // Adding the first tab selects it; that tab is read with the page, not while it is built.
    const QSignalBlocker quiet(PageControl);
    PageControl->addTab(sheet, caption);
    return sheet;
}

void TConfigForm::FitSheet(QWidget* sheet, QWidget* panel, QSize natural) {
    const int tabs = PageControl->tabBar()->sizeHint().height();
    QSize control = PageControl->size().expandedTo(QSize(natural.width() + 4, natural.height() + tabs + 4));
    PageControl->resize(control);
    QSize client = size().expandedTo(control);
    client.setHeight(std::min(client.height(), TSNMPPanel::MaxClientHeight));
    client.setWidth(std::min(client.width(), TSNMPPanel::MaxClientWidth));
    resize(client);
    PageControl->setGeometry(rect());
    panel->setGeometry(sheet->rect());
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& caption, std::unique_ptr<KySNMPRequest2Edits> request) {
    QWidget* sheet = AddSheet(caption, "Can not add editor page to a none-page pannel!");
    auto* panel = new TSNMPEditorPanel(sheet, Adopt(std::move(request)));
    const QSize natural = panel->NaturalSize();
    panel->FitHostForm(this);
    FitSheet(sheet, panel, natural);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const QString& caption, std::unique_ptr<KySNMPRequest2Edits> request,
                                                 int addRow, const std::string& addText, int deleteRow,
                                                 const std::string& deleteText) {
    QWidget* sheet = AddSheet(caption, "Can not add listview page to a none-page pannel!");
    auto* panel = new TSNMPListViewPanel(sheet, Adopt(std::move(request)));
    const QSize natural = panel->NaturalSize();
    panel->FitHostForm(this);
    FitSheet(sheet, panel, natural);
    if (!addText.empty()) panel->SetAddStatus(addRow, addText);
    if (!deleteText.empty()) panel->SetDeleteStatus(deleteRow, deleteText);
    return panel;
}

void TConfigForm::Refresh() {
    if (Closed) return;
    KySNMPRequest2Edits* binder = nullptr;
    switch (FormType) {
    case cftNone:
        return;
    case cftEditor:
    case cftListView:
        binder = Requests.front().get();
        break;
    case cftPaged: {
        if (PageControl->count() == 0) return;
        const int tab = PageControl->currentWidget()->property("Tag").toInt();
        binder = Requests.at(std::size_t(tab)).get();
        break;
    }
    default:
        throw KyException(0, "Refresh a Form with unknown Form Type!");
    }
    PageRequest::Read(*binder);
}

void TConfigForm::RefreshFromLoop() {
    try {
        Refresh();
    } catch (const std::exception& error) {
        QMessageBox::information(this, QApplication::applicationDisplayName(), error.what());
    }
}

void TConfigForm::FormClose() {
    if (Closed) return;
    Closed = true;
    // No clicks into a page that is going away.
    setEnabled(false);
    for (TSNMPPanel* panel : findChildren<TSNMPPanel*>()) panel->DetachRequest();
    for (auto& binder : Requests) {
        PageRequest::StopAndWait(*binder);
        binder.reset();
    }
    Requests.clear();
}

void TConfigForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TConfigForm::closeEvent(QCloseEvent* event) {
    FormClose();
    QDialog::closeEvent(event);
}

void TConfigForm::resizeEvent(QResizeEvent*) {
    if (PageControl) PageControl->setGeometry(rect());
}
