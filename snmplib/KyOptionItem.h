#pragma once

// One row of a constant option table. Kind-1 lists use Value; kind-2 and kind-3 lists use ValueText.
// A row with a null Label ends the table.
struct KyOptionItem {
    int Value;
    const char* Label;
    const char* ValueText = nullptr;
};
