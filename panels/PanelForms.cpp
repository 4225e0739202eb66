#include "PanelForms.h"

#include "PanelTRV5124FormUnit.h"
#include "PanelTRV5124FFormUnit.h"
#include "PanelTRV5124EFormUnit.h"
#include "PanelTRV5125FormUnit.h"
#include "PanelTRV5148FormUnit.h"
#include "PanelTRV5212FormUnit.h"
#include "PanelTRV5212FFormUnit.h"
#include "PanelTRV5224FormUnit.h"
#include "PanelTRV5224FFormUnit.h"
#include "PanelTRV5248FormUnit.h"

#include <functional>
#include <map>
#include <string>

std::unique_ptr<TFrontPanelForm> CreatePanelForm(const TPanelModel& model, QWidget* owner) {
    using Maker = std::function<std::unique_ptr<TFrontPanelForm>(QWidget*)>;
    static const std::map<std::string, Maker> makers = {
        {"TRV-5124", [](QWidget* o) { return std::make_unique<TPanelTRV5124Form>(o); }},
        {"TRV-5124F", [](QWidget* o) { return std::make_unique<TPanelTRV5124FForm>(o); }},
        {"TRV-5124E", [](QWidget* o) { return std::make_unique<TPanelTRV5124EForm>(o); }},
        {"TRV-5125", [](QWidget* o) { return std::make_unique<TPanelTRV5125Form>(o); }},
        {"TRV-5148", [](QWidget* o) { return std::make_unique<TPanelTRV5148Form>(o); }},
        {"TRV-5212", [](QWidget* o) { return std::make_unique<TPanelTRV5212Form>(o); }},
        {"TRV-5212F", [](QWidget* o) { return std::make_unique<TPanelTRV5212FForm>(o); }},
        {"TRV-5224", [](QWidget* o) { return std::make_unique<TPanelTRV5224Form>(o); }},
        {"TRV-5224F", [](QWidget* o) { return std::make_unique<TPanelTRV5224FForm>(o); }},
        {"TRV-5248", [](QWidget* o) { return std::make_unique<TPanelTRV5248Form>(o); }},
    };
    return makers.at(model.ModelText)(owner);
}
