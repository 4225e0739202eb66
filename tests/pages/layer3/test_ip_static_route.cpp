// "IP Static Route Table" and its add dialog through the menu item against the simulator.
#include "IpStaticRouteEditUnit.h"
#include "IpStaticRouteUnit.h"
#include "Layer3PageWindow.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.70.1.3.2.5.1.";

class IpStaticRoutePageTest : public Layer3PageWindow {
protected:
    void withRoutePage(const std::function<void(TIpStaticRouteForm*)>& check) {
        withPage<TIpStaticRouteForm>("IPStaticRoutingtable1Click", check);
    }
};

TEST_F(IpStaticRoutePageTest, ListsTheRoutesWithTheDefaultRoute) {
    ASSERT_TRUE(open());
    withRoutePage([&](TIpStaticRouteForm* page) {
        EXPECT_EQ(page->windowTitle(), "IP Static Route Table: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        QTreeWidgetItem* first = page->ListView1->topLevelItem(0);
        EXPECT_EQ(first->text(0), "0.0.0.0");
        EXPECT_EQ(first->text(TIpStaticRouteForm::NextHop), "10.90.90.253");
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_TRUE(page->btnDefaultRoute->isEnabled());
    });
}

TEST_F(IpStaticRoutePageTest, AddChecksEveryFieldAndSendsNothingOnARefusal) {
    ASSERT_TRUE(open());
    struct Case {
        const char* destination;
        const char* mask;
        const char* nextHop;
        const char* metric;
        const char* text;
    };
    const Case cases[] = {
        {"", "255.255.0.0", "10.90.90.1", "", "Destination IP should be Set!"},
        {"0.0.0.0", "255.255.0.0", "10.90.90.1", "",
         "If you want to add a default route which Destination ip and Mask both are 0.0.0.0, you should use Add "
         "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
         "defaut route?"},
        {"255.255.255.255", "255.255.0.0", "10.90.90.1", "", "Destination ip can not be 255.255.255.255"},
        {"1.2.3", "255.255.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"192.168.100.1009", "255.255.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"1.00.2.3a", "255.255.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"172.17.0.0", "", "10.90.90.1", "", "Mask should be Set"},
        {"172.17.0.0", "255.0.255.0", "10.90.90.1", "", "Please input a valid mask"},
        {"172.17.0.0", "255.255.0.0", "", "", "Next Hop should be Set"},
        {"172.17.0.0", "255.255.0.0", "0.0.0.0", "", "Next Hop can not be 0.0.0.0"},
        {"172.17.0.0", "255.255.0.0", "127.0.0.1", "", "Next Hop can not be itself"},
        {"172.17.0.0", "255.255.0.0", "127.000.0.1", "", "Next Hop can not be itself"},
        {"172.17.0.0", "255.255.0.0", "10.90.90.1.5", "", "Please input a valid ip"},
        {"172.17.0.0", "255.255.0.0", "10.90.90.1", "0", "Metric should between 1-65535"},
        {"172.17.0.0", "255.255.0.0", "10.90.90.1", "65536", "Metric should between 1-65535"},
    };
    withRoutePage([&](TIpStaticRouteForm* page) {
        TIpStaticRouteEditForm* dialog = page->IpStaticRouteEditForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                EXPECT_EQ(dialog->windowTitle(), "IP Static Route Table: 127.0.0.1 (Add)");
                dialog->DesEdit->setText(c.destination);
                dialog->MaskEdit->setText(c.mask);
                dialog->NextHopEdit->setText(c.nextHop);
                dialog->MetricEdit->setText(c.metric);
                dialog->SetButton->click();
            });
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(IpStaticRoutePageTest, AddAndDefaultRouteCreateValidRoutesAndDeleteInvalidatesOne) {
    ASSERT_TRUE(open());
    withRoutePage([&](TIpStaticRouteForm* page) {
        TIpStaticRouteEditForm* dialog = page->IpStaticRouteEditForm;
        MessageBoxes answers;
        sim->clearLog();
        inDialog(dialog, page->AddButton, [&] {
            dialog->DesEdit->setText("172.17.0.0");
            dialog->MaskEdit->setText("255.255.252.0");
            dialog->NextHopEdit->setText("10.90.90.250");
            dialog->SetButton->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 4; }))
            << answers.Texts.join("|").toStdString();
        const std::string added = "172.17.0.0.255.255.252.0.10.90.90.250";
        EXPECT_EQ(setsUnder(sim->log(), Entry), (std::vector<std::vector<std::string>>{{"6." + added + "=3"}}))
            << "an empty metric and no backup state are left out";

        sim->clearLog();
        inDialog(dialog, page->btnDefaultRoute, [&] {
            EXPECT_EQ(dialog->windowTitle(), "IP Static Route Table: 127.0.0.1 (Add Default Route)");
            EXPECT_EQ(dialog->DesEdit->text(), "0.0.0.0");
            EXPECT_FALSE(dialog->MaskEdit->isEnabled());
            dialog->NextHopEdit->setText("10.90.90.252");
            dialog->MetricEdit->setText("20");
            dialog->BakeupComboBox->setCurrentIndex(1);
            dialog->SetButton->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 5; }));
        const std::string defaultRoute = "0.0.0.0.0.0.0.0.10.90.90.252";
        EXPECT_EQ(setsUnder(sim->log(), Entry),
                  (std::vector<std::vector<std::string>>{
                      {"3." + defaultRoute + "=2", "5." + defaultRoute + "=20", "6." + defaultRoute + "=3"}}));
        EXPECT_EQ(sim->value(Entry + "5." + defaultRoute), std::optional<std::string>("INTEGER 20"));

        answers.Texts.clear();
        page->DeleteButton->setEnabled(true);
        page->DeleteButton->click();
        EXPECT_EQ(answers.Texts, QStringList{"Choose the item first."});
        for (int i = 0; i < page->ListView1->topLevelItemCount(); ++i)
            if (page->ListView1->topLevelItem(i)->text(0) == "172.17.0.0")
                page->ListView1->setCurrentItem(page->ListView1->topLevelItem(i));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 4; }));
        EXPECT_EQ(setsUnder(sim->log(), Entry), (std::vector<std::vector<std::string>>{{"6." + added + "=2"}}));
        EXPECT_FALSE(page->DeleteButton->isEnabled());
    });
}

}  // namespace
