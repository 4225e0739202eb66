#include "DDMPages.h"

#include "DDMThresholdRequest.h"
#include "GUIConfigForm.h"
#include "KyOptionList.h"
#include "KySNMPVarDesc.h"
#include "KySNMPVarList.h"

namespace {

constexpr KyOptionItem EnabledDisabledItems[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr KyOptionItem TypeItems[] = {{1, "Temperature"}, {2, "Voltage"}, {3, "Bias"}, {4, "TX Power"}, {5, "RX Power"}, {0, nullptr}};
constexpr KyOptionItem PortShutdownItems[] = {{1, "alarm"}, {2, "warning"}, {3, "none"}, {4, "other"}, {0, nullptr}};
constinit const KyOptionList TrapState{EnabledDisabledItems};
constinit const KyOptionList LogState{EnabledDisabledItems};
constinit const KyOptionList Type{TypeItems};
constinit const KyOptionList DDMState{EnabledDisabledItems};
constinit const KyOptionList PortShutdown{PortShutdownItems};

constinit const KySNMPVarDesc DDMSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.72.1.1", "Trap State", sxInteger, afReadWrite, &TrapState},
    {"1.3.6.1.4.1.32473.12.72.1.2", "Log State", sxInteger, afReadWrite, &LogState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DDMStatusVars[] = {
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.2", "Temperature", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.3", "Voltage", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.4", "Bias Current", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.5", "TX Power", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.72.2.1.1.1.6", "RX Power", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DDMThresholdVars[] = {
    {" ", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.1", "Type", sxInteger, afNotAccess, &Type},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.2", "High Alarm", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.3", "Low Alarm", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.4", "High Warning", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.1.1.1.5", "Low Warning", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DDMPortVars[] = {
    {" ", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.72.3.2.2.1.1", "DDM State", sxInteger, afReadWrite, &DDMState},
    {"1.3.6.1.4.1.32473.12.72.3.2.2.1.2", "Port Shutdown", sxInteger, afReadWrite, &PortShutdown},
    {nullptr, nullptr, 0, 0, nullptr},
};

constexpr double TableHeight = 450;

template <typename Binder = KySNMPRequest2Edits>
std::unique_ptr<KySNMPRequest2Edits> binder(TConfigForm& form, const KySNMPVarDesc* table, std::uint8_t itemType, int keyCount) {
    auto made = std::make_unique<Binder>(&form);
    made->Request.VarList = KySNMPVarList(table, itemType, keyCount);
    return made;
}

// A table page without Add and Delete.
template <typename Binder = KySNMPRequest2Edits>
std::unique_ptr<QDialog> tablePage(const KySNMPVarDesc* table, std::uint8_t itemType, int keyCount, double scale) {
    auto form = std::make_unique<TConfigForm>();
    form->MakeListView(binder<Binder>(*form, table, itemType, keyCount), -1, {}, -1, {});
    form->resize(form->width(), int(TableHeight * scale));
    return form;
}

}  // namespace

std::unique_ptr<QDialog> makeDDMSettingsPage() {
    auto form = std::make_unique<TConfigForm>();
    // Scalars: read and written at instance 0.
    form->MakeEditor(binder(*form, DDMSettingsVars, SVT_SV, 0));
    return form;
}

std::unique_ptr<QDialog> makeDDMStatusTablePage(double scale) { return tablePage(DDMStatusVars, MVT_FMV, 1, scale); }

std::unique_ptr<QDialog> makeDDMThresholdTablePage(double scale) {
    return tablePage<NewRequest2EditsForDDMThreshold>(DDMThresholdVars, MVT_UMV, 2, scale);
}

std::unique_ptr<QDialog> makeDDMPortTablePage(double scale) { return tablePage(DDMPortVars, MVT_UMV, 1, scale); }
