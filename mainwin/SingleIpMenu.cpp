// The "Single IP" menu: several switches managed under one address.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"SingleIPControl1Click", {"Single IP Global Settings: ", SingleIPGlobalSettingsVars, SVT_SV, 0}, {.Formats = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}}}},
    {"MyInformation1Click", {"Single IP Information: ", SingleIPInformationVars, SVT_SV, 0}, {}},
    {"MemberSwitch1Click", {"Single IP Member Switch: ", MemberSwitchVars, MVT_UMV, 1, 9, "createAndGo", "destroy"}, {.EditHidden = true, .Formats = {{8, "%s{l16}"}}}},
    {"CandidateSwitch1Click", {"Single IP Candidate Switch: ", CandidateSwitchVars, MVT_FMV, 1}, {}},
    {"GroupInformation1Click", {"Single IP Group Information: ", GroupInformationVars, MVT_FMV, 1}, {}},
    {"NeighborSwitch1Click", {"Single IP Neighbor Switch: ", NeighborSwitchVars, MVT_FMV, 2}, {}},
    {"MSTrapMessage1Click", {"MS Trap Message: ", MSTrapMessageVars, SVT_SV, 0}, {}},
};

}  // namespace

std::span<const TMenuPage> SingleIpMenuPages() { return Pages; }

void AddSingleIpMenuHandlers(TMenuHandlers& handlers) { AddPages(handlers, Pages); }
