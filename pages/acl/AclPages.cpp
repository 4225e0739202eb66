#include "AclPages.h"

#include "DedicatedPage.h"
#include "EthernetInformationRuleUnit.h"
#include "EthernetMaskInformationFormUnit.h"
#include "IPMaskInformationFormUnit.h"
#include "IPRuleUnit.h"

void RegisterAclPages() {
    RegisterPage<TIPMaskInformationForm>("TIPMaskInformationForm");
    RegisterPage<TIPRuleForm>("TIPRuleForm");
    RegisterPage<TEthernetMaskInformationForm>("TEthernetMaskInformationForm");
    RegisterPage<TEthernetInformationRuleForm>("TEthernetInformationRuleForm");
}
