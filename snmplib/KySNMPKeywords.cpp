#include "KySNMPKeywords.h"

namespace {

constexpr KyOptionItem ItemTypeRows[] = {
    {0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}, {0, nullptr},
};

// "guage" is the library's spelling for Gauge32.
constexpr KyOptionItem SyntaxRows[] = {
    {2, "integer"},      {3, "bitstr"},      {4, "octetstr"},     {5, "null"},
    {6, "objectid"},     {64, "ipaddress"},  {65, "counter"},     {66, "guage"},
    {67, "timeticks"},   {68, "opaque"},     {70, "counter64"},   {1, "boolean"},
    {69, "nsapaddr"},    {71, "uinteger"},   {72, "double"},      {73, "macaddress"},
    {74, "datetime"},    {75, "bcdatetime"}, {76, "displaystr"},  {193, "bool8"},
    {194, "int8"},       {195, "uint8"},     {196, "bool16"},     {197, "int16"},
    {198, "uint16"},     {77, "ipv6address"}, {78, "bitlist"},    {81, "inetaddress"},
    {0, nullptr},
};

constexpr KyOptionItem AccessRows[] = {
    {1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
    {8, "derived"},   {16, "hidden"},  {32, "invalid"},  {0, nullptr},
};

}  // namespace

constinit const KyOptionList ItemTypeKeywords(ItemTypeRows);
constinit const KyOptionList SyntaxKeywords(SyntaxRows);
constinit const KyOptionList AccessKeywords(AccessRows);
