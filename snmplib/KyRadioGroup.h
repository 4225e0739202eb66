#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

// A titled group of exclusive radio buttons built from a list of captions, addressed by item index.
// Unlike a plain button group it can show no selection at all (index -1).
class KyRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit KyRadioGroup(QWidget* parent = nullptr);

    void setItems(const QStringList& captions);
    QStringList items() const { return Captions; }
    int count() const { return Captions.size(); }

    int itemIndex() const;
    // An index outside the items clears the selection.
    void setItemIndex(int index);

signals:
    // The user picked an item; setItemIndex does not emit it.
    void itemClicked(int index);
    // An item became the selected one, by the user or by setItemIndex.
    void itemSelected(int index);

private:
    QStringList Captions;
    QButtonGroup* Buttons;
    QVBoxLayout* Layout;
};
