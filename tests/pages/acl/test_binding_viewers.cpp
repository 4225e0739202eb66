// The four viewers of the filters that IP-MAC-port binding installs, through their menu items.
#include "AclPageWindow.h"
#include "IBPViewerPage.h"

#include <QTabWidget>

namespace {

class BindingViewersTest : public AclPageWindow {};

QString fieldText(const QWidget* field) {
    if (auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
    return qobject_cast<const QComboBox*>(field)->currentText();
}

TEST_F(BindingViewersTest, EachViewerListsItsTableAndShowsARowWithoutLettingItChange) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* caption;
        int rows;
        std::vector<QString> keys;
        std::vector<QString> shown;  // the fields, in order, once the row is selected
        std::vector<int> ports;      // checked port boxes (index from 0)
    };
    const Case cases[] = {
        {"IPMACBindingEthernetMask1Click", "ACL IP-MAC Binding Ethernet Mask: 127.0.0.1", 2, {"13"}, {"13", "enabled"}, {}},
        {"IPMACBindingIPMask1Click", "ACL IP-MAC Binding IP Mask: 127.0.0.1", 2, {"14"},
         {"14", "FFFFFFFFFFFF", "255.255.255.255"}, {}},
        {"IPMACBindingEthernetRule1Click", "ACL IP-MAC Binding Ethernet Rule: 127.0.0.1", 4, {"13", "1"},
         {"13", "1", "0806", "permit"}, {2, 3}},
        {"IPMACBindingIPRule1Click", "ACL IP-MAC Binding IP Rule: 127.0.0.1", 4, {"14", "2"},
         {"14", "2", "00E04C68C2D0", "10.90.90.35", "permit"}, {11}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withPage<TIBPViewerPage>(c.handler, [&](TIBPViewerPage* page) {
            EXPECT_EQ(page->windowTitle(), c.caption);
            EXPECT_EQ(page->ListView1->topLevelItemCount(), c.rows);
            EXPECT_EQ(page->RowCounter->text(), QString::number(c.rows));
            for (QWidget* field : page->Fields) EXPECT_TRUE(fieldText(field).isEmpty()) << "cleared after the read";

            selectRow(page->ListView1, c.keys);
            ASSERT_EQ(page->Fields.size(), c.shown.size());
            for (std::size_t i = 0; i < c.shown.size(); ++i) {
                EXPECT_EQ(fieldText(page->Fields[i]), c.shown[i]) << i;
                if (auto* edit = qobject_cast<QLineEdit*>(page->Fields[i])) {
                    EXPECT_TRUE(edit->isReadOnly());
                } else {
                    EXPECT_FALSE(page->Fields[i]->isEnabled()) << "the combo stays disabled";
                }
            }
            if (page->PortSelector) {
                EXPECT_EQ(page->PageControl1->tabText(0), "Ports");
                std::vector<int> checked;
                for (std::size_t i = 0; i < page->PortSelector->PortCheckBoxes.size(); ++i)
                    if (page->PortSelector->PortCheckBoxes[i]->isChecked()) checked.push_back(int(i));
                EXPECT_EQ(checked, c.ports);
            }

            sim->clearLog();
            page->RefreshButton->click();
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            EXPECT_EQ(page->ListView1->topLevelItemCount(), c.rows);
            for (QWidget* field : page->Fields) EXPECT_TRUE(fieldText(field).isEmpty()) << "cleared after Refresh";
            if (page->PortSelector) {
                for (const QCheckBox* box : page->PortSelector->PortCheckBoxes) EXPECT_FALSE(box->isChecked());
            }

            selectRow(page->ListView1, c.keys);
            selectRow(page->ListView1, {});
            for (QWidget* field : page->Fields) EXPECT_TRUE(fieldText(field).isEmpty()) << "cleared by a click beside the rows";
        });
    }
}

}  // namespace
