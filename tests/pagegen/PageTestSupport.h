#pragma once
// Generated pages against the simulator: a fixture pointing the library at it, and helpers that answer
// modal boxes and drive the Add and Edit dialogs while a click handler waits in their modal loop.
#include "GUIGenerator.h"
#include "MessageBoxes.h"
#include "SimAgent.h"
#include "SimTarget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

// Runs `action` on the first modal window for which it returns true, then stops looking. A window
// nobody expected is rejected after ten seconds, so that a failing test ends instead of hanging.
inline void whenModal(std::function<bool(QWidget* modal)> action) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool done = modal && action(modal);
        if (!done && clock->elapsed() > 10000) {
            ADD_FAILURE() << "the expected modal window did not come";
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        } else if (!done) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
    });
    timer->start(5);
}

// Presses `button` in the next message box and notes its text.
inline void answerBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    whenModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return false;
        if (text) *text = box->text();
        box->button(button)->click();
        return true;
    });
}

// The PDUs of one kind in the simulator's log.
inline std::vector<trvtest::LogEntry> ofKind(const std::vector<trvtest::LogEntry>& log, const std::string& pdu) {
    std::vector<trvtest::LogEntry> out;
    for (const auto& e : log)
        if (e.pdu == pdu) out.push_back(e);
    return out;
}

class PageTest : public trvtest::SimAgentTest {
protected:
    std::string dataFile() const override { return "pages.txt"; }
    void SetUp() override {
        trvtest::SimAgentTest::SetUp();
        targetSimulator(*sim);
    }

    template <class T>
    static T* find(QWidget* page, const char* name) {
        return page->findChild<T*>(QString::fromLatin1(name));
    }
};
