#include "Oid_poeled.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

// A scalar of the front-panel group, beside the LED status string (.11.70.1.2.1.1.6): 2 disabled, 3 enabled.
constinit const KySNMPVarDesc PoeLedModeVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.7", "Front Panel PoE Led Mode", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};
