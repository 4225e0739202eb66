#include "KyControlEvents.h"

#include "KyRadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeWidget>

namespace {

// No exception may leave a handler into Qt's event loop: a failure is shown in a box over the control's
// window, titled with the application title.
void run(QWidget* control, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromLatin1(error.what()),
                        QMessageBox::Ok, control ? control->window() : nullptr);
        box.exec();
    }
}

// Leaving the edit for another control of the form; switching windows or opening a popup is no exit.
class ExitFilter : public QObject {
public:
    ExitFilter(QLineEdit* edit, std::function<void()> handler) : QObject(edit), Handler(std::move(handler)) {
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                run(qobject_cast<QWidget*>(watched), Handler);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Handler;
};

}  // namespace

namespace KyControlEvents {

QMetaObject::Connection onChange(QLineEdit* edit, const QObject* context, std::function<void()> handler) {
    return QObject::connect(edit, &QLineEdit::textChanged, context, [edit, handler = std::move(handler)] { run(edit, handler); });
}

QMetaObject::Connection onChange(QComboBox* combo, const QObject* context, std::function<void()> handler) {
    return QObject::connect(combo, &QComboBox::activated, context, [combo, handler = std::move(handler)] { run(combo, handler); });
}

QMetaObject::Connection onClick(QCheckBox* box, const QObject* context, std::function<void()> handler) {
    return QObject::connect(box, &QCheckBox::toggled, context, [box, handler = std::move(handler)] { run(box, handler); });
}

QMetaObject::Connection onClick(KyRadioGroup* group, const QObject* context, std::function<void()> handler) {
    return QObject::connect(group, &KyRadioGroup::itemSelected, context,
                            [group, handler = std::move(handler)] { run(group, handler); });
}

QObject* onExit(QLineEdit* edit, std::function<void()> handler) { return new ExitFilter(edit, std::move(handler)); }

QMetaObject::Connection onSelectItem(QTreeWidget* list, const QObject* context,
                                     std::function<void(QTreeWidgetItem*, bool)> handler) {
    return QObject::connect(list, &QTreeWidget::currentItemChanged, context,
                            [list, handler = std::move(handler)](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                                if (previous) run(list, [&] { handler(previous, false); });
                                if (current) run(list, [&] { handler(current, true); });
                            });
}

}  // namespace KyControlEvents
