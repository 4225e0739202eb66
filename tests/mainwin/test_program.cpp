#include "KySNMPRequest.h"
#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "MainUnit.h"
#include "Oid_stacking.h"
#include "ProgramEntry.h"
#include "SimAgent.h"
#include "SuiteFolderTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QStatusBar>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>

namespace {

// Answers the message boxes the program shows and keeps what they said.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Titles << box->windowTitle();
                Texts << box->text();
                box->accept();
            }
        });
        Timer.start(5);
    }
    QStringList Titles;
    QStringList Texts;

private:
    QTimer Timer;
};

class ProgramStart : public SuiteFolderTest {
protected:
    // Runs the program; inspect runs once the main window is up and its panels are built, then the
    // window is closed.
    int run(const std::vector<std::string>& args, std::function<void()> inspect = {}) {
        windowShown = false;
        QTimer ready;
        QObject::connect(&ready, &QTimer::timeout, [&] {
            if (!MainForm || !MainForm->isVisible() || !MainForm->Activated || QApplication::activeModalWidget()) return;
            ready.stop();
            windowShown = true;
            if (inspect) inspect();
            MainForm->close();
        });
        ready.start(10);
        return RunProgram(args);
    }

    bool windowShown = false;
};

TEST_F(ProgramStart, WithoutArgumentsSaysNoParameterInputAndStartsNoSession) {
    const bool startedBefore = snmpSessionStarted();
    MessageBoxWatcher boxes;
    EXPECT_NE(run({}), 0);
    EXPECT_EQ(boxes.Texts, QStringList{"No parameter input"});
    EXPECT_EQ(boxes.Titles, QStringList{"TRV5124"});
    EXPECT_EQ(snmpSessionStarted(), startedBefore);
    EXPECT_FALSE(QFile::exists("KySNMP_PP_BootCounter"));
    EXPECT_FALSE(windowShown);
}

TEST_F(ProgramStart, AFailureAtStartIsShownAndEndsWithoutTheWindow) {
    struct Case {
        const char* Name;
        std::vector<std::string> Args;
        const char* Message;
        std::function<void(const QTemporaryDir&)> Prepare;
    };
    const Case cases[] = {
        {"a version that is no number", {"/I127.0.0.1", "/vx"}, "'x' is not a valid integer value", {}},
        {"a device file without SecurityLevel",
         {"/I127.0.0.1"},
         "'' is not a valid integer value",
         [](const QTemporaryDir& d) {
             writeFile(d.filePath("registry.ini"),
                       "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" +
                           d.filePath("conf").toStdString() + "\n");
             writeFile(d.filePath("conf/127.0.0.1.cfg"),
                       "[Program Information]\nAgentPort=161\nVersion=0\nSecurityModel=1\n");
         }},
        {"a boots counter that cannot be saved",
         {"/I127.0.0.1"},
         "Error when saving SNMP engine boots counter!",
         [](const QTemporaryDir& d) { QDir(d.path()).mkdir("KySNMP_PP_BootCounter"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir fresh;
        dir.swap(fresh);
        enter();
        if (c.Prepare) c.Prepare(dir);

        MessageBoxWatcher boxes;
        EXPECT_NE(run(c.Args), 0);
        EXPECT_EQ(boxes.Texts, QStringList{c.Message});
        EXPECT_EQ(boxes.Titles, QStringList{"TRV5124"});
        EXPECT_FALSE(windowShown);
        EXPECT_EQ(MainForm, nullptr);
    }
}

// A start as the suite makes it: registry file, message files and the device file that gives the
// simulator's port.
class ProgramStartWithSimulator : public ProgramStart {
protected:
    void SetUp() override {
        ProgramStart::SetUp();
        writeFile(dir.filePath("registry.ini"),
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Modules\\HelpPath]\r\n"
                  "1.3.6.1.4.1.32473.11.70.1=" + dir.filePath("help").toStdString() + "\\TRV51HLP.HLP\r\n"
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\r\n"
                  "Path=" + dir.filePath("conf").toStdString() + "\r\n");
        std::string agentErrors;
        for (int code = -101; code >= -118; --code) agentErrors += "Agent says " + std::to_string(code) + "\r\n\r\n";
        writeFile(dir.filePath("help/errmsg/snmp.err"), agentErrors);
        writeFile(dir.filePath("help/errmsg/snmp.msg"), "Read: [ERROR]\nWrite: [ERROR]\n");
    }
    void writeDeviceFile(const std::string& keys) {
        writeFile(dir.filePath("conf/127.0.0.1.cfg"),
                  "[Program Information]\r\n" + keys + "AgentPort=" + std::to_string(sim.port()) +
                      "\r\nSecurityModel=1\r\nSecurityLevel=0\r\nAuthProtocol=0\r\nPrivProtocol=0\r\n");
    }
    // Reads the stack mode with the session's target: the simulator's record of the answered GET, or
    // nothing and the error text.
    std::optional<trvtest::LogEntry> readStackMode(std::string* error = nullptr) {
        KySNMPRequest stackMode;
        stackMode.VarList = KySNMPVarList(StackModeVars, SVT_SV, 0);
        if (error) stackMode.OnError = [error](const KySNMPError& e) { *error = e.Message; };
        bool ok = false;
        stackMode.GetSync(true, ok);
        const auto log = sim.log();
        if (!ok || log.empty()) return std::nullopt;
        return log.back();
    }
    bool snmpV3MenuEnabled() const { return MainForm->findChild<QMenu*>("VACM1")->menuAction()->isEnabled(); }

    trvtest::SimAgent sim{"standalone.txt"};
};

TEST_F(ProgramStartWithSimulator, StartsWithTheSuiteFilesAndReachesTheDevice) {
    writeDeviceFile("Version=0\r\n");
    const int status = run({"/I127.0.0.1", "/Rtamber", "/Wquiltry"}, [&] {
        EXPECT_EQ(MainForm->windowTitle(), "127.0.0.1");
        // The window fits the one panel.
        EXPECT_EQ(MainForm->width(), 803);
        EXPECT_FALSE(snmpV3MenuEnabled());
        EXPECT_EQ(DeviceIPText, "127.0.0.1");
        EXPECT_EQ(MainForm->LaunchParameters.AgentPort, std::to_string(sim.port()));
        EXPECT_EQ(MainForm->LaunchParameters.ReadCommunity, "tamber");
        EXPECT_TRUE(QFile::exists("KySNMP_PP_BootCounter"));
        // The stack mode is what the program reads first, with the target of the command line.
        const auto log = sim.log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front().pdu, "GET");
        ASSERT_EQ(log.front().bindings.size(), 1u);
        EXPECT_EQ(log.front().bindings[0].oid, "1.3.6.1.4.1.32473.12.11.1.2.0");
        EXPECT_EQ(log.front().version, "1");
        EXPECT_EQ(log.front().security, "tamber");

        // Texts come from the suite's message files from now on.
        KySNMPRequest missing;
        const KySNMPVarDesc missingVars[] = {{"1.3.6.1.4.1.32473.99.1", "Missing", sxInteger, afReadOnly, nullptr},
                                             {nullptr, nullptr, 0, 0, nullptr}};
        missing.VarList = KySNMPVarList(missingVars, SVT_SV, 0);
        std::string message;
        missing.OnError = [&](const KySNMPError& e) { message = e.Message; };
        bool ok = true;
        missing.GetSync(true, ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(message, "Agent says -102");
        EXPECT_EQ(SNMPStatusTemplates.Text(1), "Write: [ERROR]");

        // The LED poll writes its status line from the replaced template.
        QElapsedTimer waited;
        waited.start();
        auto statusLine = [] {
            QStringList texts;
            for (const QLabel* label : MainForm->statusBar()->findChildren<QLabel*>()) texts << label->text();
            texts << MainForm->statusBar()->currentMessage();
            return texts.join('|');
        };
        while (!statusLine().contains("Read: Ok!") && waited.elapsed() < 8000)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        EXPECT_TRUE(statusLine().contains("Read: Ok!")) << statusLine().toStdString();
    });
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(status, 0);
}

TEST_F(ProgramStartWithSimulator, WithoutHelpPathTheMessageFilesComeFromTheCurrentDirectory) {
    writeFile(dir.filePath("registry.ini"), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\r\nPath=" +
                                                dir.filePath("conf").toStdString() + "\r\n");
    writeDeviceFile("Version=0\r\n");
    writeFile(dir.filePath("errmsg/snmp.msg"), "Get from here: [ERROR]\nSet from here: [ERROR]\n");
    run({"/I127.0.0.1"}, [] { EXPECT_EQ(SNMPStatusTemplates.Text(0), "Get from here: [ERROR]"); });
    EXPECT_TRUE(windowShown);
}

TEST_F(ProgramStartWithSimulator, SnmpV3MenuOnlyForVersion3) {
    writeDeviceFile("Version=1\r\n");
    run({"/I127.0.0.1", "/v3", "/m3", "/l1", "/nsimnoauth"}, [&] {
        EXPECT_TRUE(snmpV3MenuEnabled());
        const auto stackModeRead = readStackMode();
        ASSERT_TRUE(stackModeRead);
        EXPECT_EQ(stackModeRead->version, "3");
        EXPECT_EQ(stackModeRead->security, "simnoauth");
    });
    EXPECT_TRUE(windowShown);
    run({"/I127.0.0.1"}, [&] { EXPECT_FALSE(snmpV3MenuEnabled()); });
    EXPECT_TRUE(windowShown);
}

TEST_F(ProgramStartWithSimulator, UnsupportedNumbersReachTheLibraryWhichRefusesTheFirstRequest) {
    writeDeviceFile("Version=0\r\n");
    struct Case {
        std::vector<std::string> Args;
        const char* Message;
    };
    const Case cases[] = {
        {{"/I127.0.0.1", "/v2"}, "(SNMPClass) Invalid Target!"},
        {{"/I127.0.0.1", "/v3", "/m3", "/l0", "/nsimnoauth"}, "(SNMPv3USM) Unsupported SecurityLevel!"},
        {{"/I127.0.0.1", "/v3", "/m3", "/l2", "/nsimmd5", "/Amd5authpass", "/a9"},
         "(SNMPv3USM) Unsupported AuthProtocol!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Args[1] + " " + c.Args.back());
        run(c.Args, [&] {
            std::string message;
            EXPECT_FALSE(readStackMode(&message));
            EXPECT_EQ(message, c.Message);
        });
        EXPECT_TRUE(windowShown);
        EXPECT_TRUE(sim.log().empty());
    }
}

}  // namespace
