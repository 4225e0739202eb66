#pragma once

#include "GlobalStateForm.h"

// "Spanning Tree Algorithm": runs or stops spanning tree on the switch. Enabling is slow: it is
// confirmed, waits long for its answer and is covered by a progress dialog.
class TSpanningTreeAlgorithmForm : public TGlobalStateForm {
    Q_OBJECT

public:
    explicit TSpanningTreeAlgorithmForm(QWidget* owner);

    QComboBox* ComboBox1;

    void GetButtonClick() { GetClick(); }
    void SetButtonClick();
    void SetClick() override { SetButtonClick(); }

private:
    int NormalTimeout = 0;
};
