#pragma once

#include "KyOptionItem.h"

#include <string>

class QComboBox;
class KyRadioGroup;

// Maps raw values of a MIB object to the words shown to the user. Lists are built at compile time over
// constant tables, so no start-up order matters; the table must outlive the list.
class KyOptionList {
public:
    enum : unsigned { IntegerValues = 1, TextValues = 2, TextPrefixValues = 3 };

    constexpr explicit KyOptionList(const KyOptionItem* table, unsigned kind = IntegerValues,
                                    bool caseSensitive = false)
        : Kind(kind), CaseSensitive(caseSensitive), Rows(table), Count(countRows(table)) {}

    unsigned Kind;
    bool CaseSensitive;

    int GetCount() const { return Count; }
    const KyOptionItem& GetItem(int index) const;

    int IndexOfLabel(const std::string& text) const;
    int IndexOfValue(const std::string& text) const;
    std::string ValueToLabel(const std::string& text) const;
    std::string LabelToValue(const std::string& text) const;

    // Controls show the labels in row order, so item i of a control is row i of the list.
    void FillComboBox(QComboBox* combo) const;
    void SelectCombo(QComboBox* combo, const std::string& text) const;
    void FillRadioGroup(KyRadioGroup* group) const;
    void SelectRadio(KyRadioGroup* group, const std::string& text) const;

private:
    int IndexToSelect(const std::string& text) const;
    bool SameText(const std::string& a, const std::string& b) const;
    bool StartsWith(const std::string& text, const std::string& prefix) const;

    static constexpr int countRows(const KyOptionItem* table) {
        int n = 0;
        while (table && table[n].Label) ++n;
        return n;
    }

    const KyOptionItem* Rows;
    int Count;
};
