#pragma once

#include "KeyedRowPage.h"

class QLineEdit;

// "802.1p User Priorities To Traffic Class": the traffic class of every port and user priority; the
// selected row's class is written.
class TUserPrioritiesForm : public TKeyedRowPage {
    Q_OBJECT

public:
    explicit TUserPrioritiesForm(QWidget* owner);

    QLineEdit* ClassEdit;

protected:
    bool ValueAccepted() override;
    void ResetInputs() override;
};
