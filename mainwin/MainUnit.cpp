#include "MainUnit.h"

#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "Registry.h"
#include "SuitePaths.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

TMainForm* MainForm = nullptr;
std::string DeviceIPText;

TMainForm::TMainForm(const std::vector<std::string>& args, QWidget* parent) : QMainWindow(parent) {
    BuildForm();

    const QScreen* screen = QGuiApplication::primaryScreen();
    ScaleFactor = screen && screen->logicalDotsPerInch() == 96 ? 1.0f : 1.25f;
    resize(800, height());
    if (screen) move(screen->availableGeometry().center() - rect().center());

    // The engine-boots counter lies in the current directory.
    startSNMPSession("");

    const TRegistry registry(TRegistry::DefaultFileName());
    loadMessageFiles(HelpBaseDirectory(registry));

    TStartupSettings settings(DefaultSNMPDevice, DefaultSNMPScope, DefaultSNMPSecurity);
    settings.Apply(args, ConfigDirectory(registry));
    DefaultSNMPDevice = settings.Device;
    DefaultSNMPScope = settings.Scope;
    DefaultSNMPSecurity = settings.Security;
    LaunchParameters = settings.Launch;
    DeviceIPText = DeviceIP();
    setWindowTitle(QString::fromLatin1(DeviceIP()));

    VACM1->menuAction()->setEnabled(DefaultSNMPSecurity.Version == 3);
    MainForm = this;
}

TMainForm::~TMainForm() {
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::BuildForm() {
    setObjectName(QStringLiteral("MainForm"));
    // System menu and minimize box only.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    VACM1 = menuBar()->addMenu(QStringLiteral("SNMP v3"));
    VACM1->setObjectName(QStringLiteral("VACM1"));

    resize(768, 156 + menuBar()->sizeHint().height());
}
