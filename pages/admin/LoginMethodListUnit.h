#pragma once

#include "MethodListPage.h"

// "Login Method List": the AAA method lists of the login.
class TLoginMethodListForm : public TMethodListPage {
    Q_OBJECT

public:
    explicit TLoginMethodListForm(QWidget* owner);
};
