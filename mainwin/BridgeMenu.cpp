// The "Bridge" menu: spanning tree, the 802.1D bridge and the transparent bridge viewers.
#include "KyException.h"
#include "KySNMPRequest2Edits.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"


namespace {

const TMenuPage Pages[] = {
    {"Information1Click", {"Bridge 802.1D Information: ", N8021DInformationVars, SVT_SV, 0}, {}},
    {"ConfigurationIdentification1Click", {"MSTP Configuration Identification: ", MSTPConfigurationIdentificationVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"InstanceInformation1Click", {"MSTP Instance Control: ", MSTPInstanceControlVars, MVT_UMV, 1, 23, "createAndGo", "destroy"}, {}},
    {"PortMSTPInformation1Click", {"MSTP Port State Information: ", MSTPPortStateInformationVars, MVT_UMV, 2}, {}},
    {"PortTableClick", {"Spanning Tree Port Table: ", STPPortTableVars, MVT_FMV, 1}, {}},
};

const TMenuDialog Dialogs[] = {
    {"SpanningTreeAlgorithm1Click", "TSpanningTreeAlgorithmForm", TDialogOwner::Application, "Spanning Tree Algorithm: "},
    {"Information2Click", "TSTP_Info", TDialogOwner::Application, "Spanning Tree Global Settings: "},
    {"PortStateInformation1Click", "TMSTPPortStateForm", TDialogOwner::Application, "STP Port State Information: "},
};

const TMenuViewer Viewers[] = {
    {"PortTable1Click", "/TBridge_Port"},
    {"ForwardingTable1Click", "/TBridge_Forwarding"},
    {"StaticTable1Click", "/TBridge_StaticFilter"},
    {"PortCounters1Click", "/TBridge_TpPortInfo"},
};

// The window's hidden STP version label is brought up to date; a failed read is told on the status bar
// and the page opens all the same.
void ReadStpVersion(TMainForm& form) {
    if (!form.StpVersionRequest) return;
    try {
        form.StpVersionRequest->Get();
    } catch (const KyException& e) {
        form.ShowStatus(e.what());
    }
}

// The global settings arrange their controls by the version, so it is read before they open.
void ReadStpVersionFirst(TMenuHandlers& handlers, std::string_view handler) {
    TMenuHandlerFn& run = RunOf(handlers, handler);
    run = [open = std::move(run)](TMainForm& form) {
        ReadStpVersion(form);
        open(form);
    };
}

}  // namespace

std::span<const TMenuPage> BridgeMenuPages() { return Pages; }

void AddBridgeMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    AddViewers(handlers, Viewers);
    ReadStpVersionFirst(handlers, "Information2Click");
    ReadStpVersionFirst(handlers, "PortTableClick");
    // The top menu item only opens its submenu.
    AddEmpty(handlers, {"Bridge1Click"});
}
