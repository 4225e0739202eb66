#pragma once

#include "KyOptionList.h"

// Value lists that many tables share.

extern const KyOptionList RowStatus;
extern const KyOptionList ActiveCreateDestroy;
extern const KyOptionList TruthValue;
extern const KyOptionList StorageType;
extern const KyOptionList EnabledDisabled;
extern const KyOptionList DisabledEnabled;
extern const KyOptionList OtherDisabledEnabled;
extern const KyOptionList EnableDisable;
extern const KyOptionList OtherStart;
extern const KyOptionList NoneStart;
extern const KyOptionList DenyPermit;
extern const KyOptionList ServerProtocol;
extern const KyOptionList FilterOwner;
