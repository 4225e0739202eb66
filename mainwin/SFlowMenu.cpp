// The "sFlow" menu: the sampling agent's receivers, flow samplers and counter pollers.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"GeneralInformation4Click", {"sFlow General Information: ", SFlowGeneralInformationVars, SVT_SV, 0}, {}},
    {"SFLOWReceiver1Click", {"sFlow Receiver: ", ReceiverVars, MVT_UMV, 2, 6, "createAndGo", "destroy"}, {}},
    {"SFLOWSampler1Click", {"sFlow Flow Sampler: ", FlowSamplerVars, MVT_UMV, 2, 4, "createAndGo", "destroy"}, {}},
    {"CounterPoller1Click", {"sFlow Counter Poller: ", CounterPollerVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {}},
};

}  // namespace

std::span<const TMenuPage> SFlowMenuPages() { return Pages; }

void AddSFlowMenuHandlers(TMenuHandlers& handlers) { AddPages(handlers, Pages); }
