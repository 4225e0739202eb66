#pragma once

#include "DedicatedPage.h"

class LldpTlvRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class TLldpTlvDialog;

// What tells the LLDP TLV twins apart.
struct TLldpTlvLayout {
    const char* Caption;
    int Width;
    int Height;
    bool AdminState;  // the port configuration table's admin state and notification columns
};

// An LLDP port table whose TLV bits are listed and edited as names: a click into the TLV edit opens the
// check-box dialog, Edit writes the selected row and reads the table again.
class TLldpTlvPage : public TDedicatedPage {
    Q_OBJECT

public:
    TLldpTlvPage(QWidget* owner, const TLldpTlvLayout& layout);

    QTreeWidget* ListView1;
    QLabel* PortText;
    QLineEdit* TLVsEdit;
    QComboBox* AdminStateComboBox = nullptr;
    QComboBox* NotificationComboBox = nullptr;
    TLldpTlvDialog* TlvDialog = nullptr;
    LldpTlvRequest2Edits* TlvRequest = nullptr;

    void EditButtonClick();
    void TLVsEditClick();

protected:
    // The twin's check-box dialog over the TLV edit, freed with the page.
    template <typename Dialog>
    Dialog* CreateEditDialogOf() {
        auto dialog = std::make_unique<Dialog>(this, TLVsEdit);
        Dialog* made = dialog.get();
        OwnedDialogs.push_back(std::move(dialog));
        return made;
    }
    // Makes the binder of the twin's table and dialog; the binder is created through CreateBinder.
    void FormCreate(const KySNMPVarDesc* table, const std::function<LldpTlvRequest2Edits*(const TBinderSpec&)>& create);
    void ResetInputs() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout(const TLldpTlvLayout& layout);
};
