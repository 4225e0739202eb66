#pragma once

#include <QMetaObject>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QObject;
class QTreeWidget;
class QTreeWidgetItem;
class KyRadioGroup;

// Which Qt signal stands for each event of the form controls. Pages, the binder and the edit constraints
// connect through these functions only, so that every handler fires on the same occasions:
//
//   event                   Qt signal                              fires on programmatic changes
//   edit change             QLineEdit::textChanged                 yes (setText)
//   edit exit               focus-out event                        -  (not on window switch or popup)
//   combo box change        QComboBox::activated                   no (user choice only)
//   check box click         QCheckBox::toggled                     yes (setChecked)
//   radio group click       KyRadioGroup::itemSelected             yes (setItemIndex)
//   list view select item   currentItemChanged as (previous, false), then (current, true)
//
// The context object ends the connection when it is destroyed, as with QObject::connect. An exception
// a handler raises is shown in a message box titled with the application title; it never reaches Qt.
namespace KyControlEvents {

QMetaObject::Connection onChange(QLineEdit* edit, const QObject* context, std::function<void()> handler);
QMetaObject::Connection onChange(QComboBox* combo, const QObject* context, std::function<void()> handler);
QMetaObject::Connection onClick(QCheckBox* box, const QObject* context, std::function<void()> handler);
QMetaObject::Connection onClick(KyRadioGroup* group, const QObject* context, std::function<void()> handler);
// The returned filter object belongs to the edit; deleting it detaches the handler.
QObject* onExit(QLineEdit* edit, std::function<void()> handler);
QMetaObject::Connection onSelectItem(QTreeWidget* list, const QObject* context,
                                     std::function<void(QTreeWidgetItem* item, bool selected)> handler);

}  // namespace KyControlEvents
