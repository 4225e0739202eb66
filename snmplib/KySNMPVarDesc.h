#pragma once

#include <cstdint>

class KyOptionList;

// Syntax codes: ASN.1 application tags plus the library's own kinds.
enum KySNMPSyntax : int {
    sxBoolean = 1,
    sxInteger = 2,
    sxBitStr = 3,
    sxOctetStr = 4,
    sxNull = 5,
    sxObjectId = 6,
    sxIpAddress = 64,
    sxCounter = 65,
    sxGauge = 66,
    sxTimeTicks = 67,
    sxOpaque = 68,
    sxNsapAddr = 69,
    sxCounter64 = 70,
    sxUInteger = 71,
    sxDouble = 72,
    sxMacAddress = 73,
    sxDateTime = 74,
    sxBCDateTime = 75,
    sxDisplayStr = 76,
    sxIPv6Address = 77,
    sxBitList = 78,
    sxInetAddress = 81,
    sxBool8 = 193,
    sxInt8 = 194,
    sxUInt8 = 195,
    sxBool16 = 196,
    sxInt16 = 197,
    sxUInt16 = 198,
};

// Bits of a variable's access word.
enum KySNMPAccess : int {
    afNotAccess = 1,
    afReadOnly = 2,
    afWriteOnly = 4,
    afReadWrite = 6,
    afDerived = 8,
    afHidden = 16,
    afInvalid = 32,
    afImplied = 64,
};

enum KySNMPItemType : std::uint8_t {
    SVT_SV = 0,   // scalars
    MVT_SV = 1,   // one row
    MVT_FMV = 2,  // table walked by GETNEXT
    MVT_UMV = 3,  // table walked by GETNEXT, controls stay enabled after the walk
};

// One row of a static variable table. A table ends with a row whose Oid is null. An Oid without digits
// marks a key column whose value comes from the returned instance.
struct KySNMPVarDesc {
    const char* Oid;
    const char* Label;
    int Syntax;
    int Access;
    const KyOptionList* Options;
    const char* GetFormula = nullptr;
    const char* SetFormula = nullptr;
    const char* Extra = nullptr;
    const char* InitValue = nullptr;
    const char* InitIndex = nullptr;
};
