#pragma once

#include "KyOptionList.h"

// The library's names for item types, syntaxes and access codes.
extern const KyOptionList ItemTypeKeywords;
extern const KyOptionList SyntaxKeywords;
extern const KyOptionList AccessKeywords;
