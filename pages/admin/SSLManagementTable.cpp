#include "SSLManagementTable.h"

#include "Oid_security.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Column { State, CipherSuites, CacheTimeout };
constexpr int EnabledItem = 1;
const char* const SuiteLabels[] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA", "DHE-DSS-with-3DES-EDE-CBC-SHA",
                                   "RSA-EXPORT-with-RC4-40-MD5"};
constexpr int SuiteBits[] = {8, 4, 2, 1};  // of the octet's high digit

bool isHexDigit(QChar c) { return c.isDigit() || (c >= 'A' && c <= 'F'); }

}  // namespace

TSSLManagementForm::TSSLManagementForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 461, .Height = 247, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("SSL Global Settings"));
    BuildLayout();
    FormCreate();
}

void TSSLManagementForm::BuildLayout() {
    QHBoxLayout* columns = BuildPageColumns(Client);
    auto* grid = new QGridLayout();
    columns->addLayout(grid, 1);
    cbxSSLVersion = new QComboBox(Client);
    cbxSSLVersion->setObjectName(QStringLiteral("cbxSSLVersion"));
    edtCacheTimeOut = new QLineEdit(Client);
    edtCacheTimeOut->setObjectName(QStringLiteral("edtCacheTimeOut"));
    grid->addWidget(new QLabel(QStringLiteral("SSL Status"), Client), 0, 0);
    grid->addWidget(cbxSSLVersion, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Cache Time Out"), Client), 1, 0);
    grid->addWidget(edtCacheTimeOut, 1, 1);
    for (int s = 0; s < 4; ++s) {
        cbxciphersuites[s] = new QComboBox(Client);
        cbxciphersuites[s]->setObjectName(QStringLiteral("cbxciphersuites%1").arg(s + 1));
        cbxciphersuites[s]->setEditable(true);
        cbxciphersuites[s]->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
        cbxciphersuites[s]->setCurrentIndex(-1);
        grid->addWidget(new QLabel(QLatin1String(SuiteLabels[s]), Client), s + 2, 0);
        grid->addWidget(cbxciphersuites[s], s + 2, 1);
    }
    grid->setRowStretch(6, 1);

    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnSet", QStringLiteral("Set"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, SetButton, CloseButton});
    edtciphersuites = new QLineEdit(Client);
    edtciphersuites->setObjectName(QStringLiteral("edtciphersuites"));
    edtciphersuites->hide();
    connect(RefreshButton, &QPushButton::clicked, this, &TSSLManagementForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TSSLManagementForm::btnSetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSSLManagementForm::CloseClick);
}

void TSSLManagementForm::FormCreate() {
    Binder = CreateBinder({.Table = SSLManagementVars,
                           .Main = true,
                           .Bind = [&](KySNMPRequest2Edits& binder) {
                               binder.BindComboBox(State, cbxSSLVersion);
                               binder.BindEdits(CipherSuites, "%s{l2}", {edtciphersuites});
                               binder.BindEdits(CacheTimeout, "%s", {edtCacheTimeOut});
                               binder.OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& error) {
                                   GetErrorHook(error);
                               };
                           }});
}

void TSSLManagementForm::GetErrorHook(const KySNMPError& error) {
    if (error.Code == 0) ShowCipherSuites();
}

void TSSLManagementForm::ShowCipherSuites() {
    const QString text = edtciphersuites->text();
    if (text.size() != 2) return;
    const QChar high = text[0].toUpper();
    if (!isHexDigit(high)) return;
    const int value = QString(high).toInt(nullptr, 16);
    for (int s = 0; s < 4; ++s) cbxciphersuites[s]->setCurrentIndex(value & SuiteBits[s] ? EnabledItem : 0);
}

QChar TSSLManagementForm::CipherSuitesDigit() const {
    int value = 0;
    for (int s = 0; s < 4; ++s)
        if (cbxciphersuites[s]->currentIndex() == EnabledItem && cbxciphersuites[s]->currentText() == "enabled")
            value += SuiteBits[s];
    return QString::number(value, 16).toUpper()[0];
}

void TSSLManagementForm::btnGetClick() {
    if (Binder) Reported(*this, [&] { Binder->Get(); });
}

void TSSLManagementForm::btnSetClick() {
    if (!Binder) return;
    bool empty = cbxSSLVersion->currentText().isEmpty() || edtCacheTimeOut->text().isEmpty();
    for (QComboBox* suite : cbxciphersuites) empty = empty || suite->currentText().isEmpty();
    if (empty) {
        ShowMessage(QStringLiteral("Some items are empty."));
        SetButton->setFocus();
        return;
    }
    // The low digit holds bits this page does not show: they go back as they were read.
    const QString read = edtciphersuites->text();
    const QChar low = read.size() == 2 && isHexDigit(read[1].toUpper()) ? read[1].toUpper() : QChar('0');
    edtciphersuites->setText(QString(CipherSuitesDigit()) + low);
    Reported(*this, [&] { ShowRefusal(MaskedSet({}, -1, -1, 1)); });
}
