#include "AclPages.h"

#include "DedicatedPage.h"
#include "EthernetInformationRuleUnit.h"
#include "EthernetMaskInformationFormUnit.h"
#include "FilterDHCPPermitFormUnit.h"
#include "IBPEtherMaskFormUnit.h"
#include "IBPEtherRuleFormUnit.h"
#include "IBPIPMaskFormUnit.h"
#include "IBPIPRuleFormUnit.h"
#include "IPMaskInformationFormUnit.h"
#include "IPRuleUnit.h"
#include "IPv6MaskInfoFormUnit.h"
#include "IPv6RuleInfoFormUnit.h"
#include "PacketContentMaskFormUnit.h"
#include "PacketContentRuleFormUnit.h"
#include "TimeRangeFormUnit.h"
#include "UserDefinedRuleUnit.h"
#include "UserMaskInforUnit.h"

void RegisterAclPages() {
    RegisterPage<TIPMaskInformationForm>("TIPMaskInformationForm");
    RegisterPage<TIPRuleForm>("TIPRuleForm");
    RegisterPage<TEthernetMaskInformationForm>("TEthernetMaskInformationForm");
    RegisterPage<TEthernetInformationRuleForm>("TEthernetInformationRuleForm");
    RegisterPage<TIBPACLEtherMaskForm>("TIBPACLEtherMaskForm");
    RegisterPage<TIBPIPMaskForm>("TIBPIPMaskForm");
    RegisterPage<TIBPEtherRuleForm>("TIBPEtherRuleForm");
    RegisterPage<TIBPIPRuleForm>("TIBPIPRuleForm");
    RegisterPage<TFilterDHCPPermitForm>("TFilterDHCPPermitForm");
    RegisterPage<TTimeRangeForm>("TTimeRangeForm");
    RegisterPage<TPktContentMaskForm>("TPktContentMaskForm");
    RegisterPage<TIPv6ProfileForm>("TIPv6ProfileForm");
    RegisterPage<TUserMaskInfoForm>("TUserMaskInfoForm");
    RegisterPage<TIpv6RuleForm>("TIpv6RuleForm");
    RegisterPage<TPktContentRuleForm>("TPktContentRuleForm");
    RegisterPage<TUserDefinedInformationRuleForm>("TUserDefinedInformationRuleForm");
}
