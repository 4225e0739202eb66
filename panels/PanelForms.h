#pragma once

#include "FrontPanelForm.h"

#include <memory>

// The front-panel class of the model.
std::unique_ptr<TFrontPanelForm> CreatePanelForm(const TPanelModel& model, QWidget* owner);
