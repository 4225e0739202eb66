#include "KyControlEvents.h"

#include "KyRadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// Leaving the edit for another control of the form; switching windows or opening a popup is no exit.
class ExitFilter : public QObject {
public:
    ExitFilter(QLineEdit* edit, std::function<void()> handler) : QObject(edit), Handler(std::move(handler)) {
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Handler();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> Handler;
};

}  // namespace

namespace KyControlEvents {

QMetaObject::Connection onChange(QLineEdit* edit, const QObject* context, std::function<void()> handler) {
    return QObject::connect(edit, &QLineEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}

QMetaObject::Connection onChange(QComboBox* combo, const QObject* context, std::function<void()> handler) {
    return QObject::connect(combo, &QComboBox::activated, context, [handler = std::move(handler)] { handler(); });
}

QMetaObject::Connection onClick(QCheckBox* box, const QObject* context, std::function<void()> handler) {
    return QObject::connect(box, &QCheckBox::toggled, context, [handler = std::move(handler)] { handler(); });
}

QMetaObject::Connection onClick(KyRadioGroup* group, const QObject* context, std::function<void()> handler) {
    return QObject::connect(group, &KyRadioGroup::itemSelected, context, [handler = std::move(handler)] { handler(); });
}

QObject* onExit(QLineEdit* edit, std::function<void()> handler) { return new ExitFilter(edit, std::move(handler)); }

QMetaObject::Connection onSelectItem(QTreeWidget* list, const QObject* context,
                                     std::function<void(QTreeWidgetItem*, bool)> handler) {
    return QObject::connect(list, &QTreeWidget::currentItemChanged, context,
                            [handler = std::move(handler)](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                                if (previous) handler(previous, false);
                                if (current) handler(current, true);
                            });
}

}  // namespace KyControlEvents
