#include "ViewerLaunch.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

std::function<bool(const QUrl&)> HelpLauncher = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

namespace {

QString Text(const std::string& s) { return QString::fromLocal8Bit(s.data(), qsizetype(s.size())); }

}  // namespace

QStringList ComposeViewerCommand(const TLaunchParameters& p, bool version3, const std::string& pageArgument) {
    const std::size_t underscore = pageArgument.find('_');
    const std::string program =
        underscore == std::string::npos || underscore < 2 ? std::string() : pageArgument.substr(2, underscore - 2);
    QStringList command{Text(program), "/I" + Text(p.DeviceIP)};
    if (version3) {
        // Every switch is written, also with an empty value.
        command << "/t" + Text(p.AgentPort) << "/v" + Text(p.Version) << "/d" + Text(p.ContextEngineID)
                << "/m" + Text(p.SecurityModel) << "/n" + Text(p.SecurityName) << "/l" + Text(p.SecurityLevel)
                << "/a" + Text(p.AuthProtocol) << "/p" + Text(p.PrivProtocol) << "/A" + Text(p.AuthPassword)
                << "/P" + Text(p.PrivPassword) << "/c" + Text(p.ContextName);
    } else {
        command << "/R" + Text(p.ReadCommunity) << "/W" + Text(p.WriteCommunity);
    }
    command << Text(pageArgument);
    return command;
}

void LaunchViewer(const TLaunchParameters& launch, bool version3, const std::string& pageArgument) {
    QStringList command = ComposeViewerCommand(launch, version3, pageArgument);
    const QString name = command.takeFirst();
    if (name.isEmpty()) return;
    QString program = QStandardPaths::findExecutable(name, {QCoreApplication::applicationDirPath()});
    if (program.isEmpty()) program = QStandardPaths::findExecutable(name);
    if (program.isEmpty()) return;
    QProcess::startDetached(program, command);
}

QString HelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TRV5100Series_100402.hlp"));
}

void OpenHelpFile() {
    const QString path = HelpFilePath();
    // No Linux viewer reads the file by itself; without it the desktop would show its own error.
    if (!QFileInfo::exists(path)) return;
    if (HelpLauncher) HelpLauncher(QUrl::fromLocalFile(path));
}
