// Edit constraints driven like a user would: keys typed into a real edit of a shown form, the focus moved
// on with Tab, message boxes read and closed.
#include "KyEditConstraint.h"
#include "KyException.h"
#include "KyValidators.h"
#include "MessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <string>
#include <vector>

namespace {

const QString AppTitle = QStringLiteral("TRV5124");

void settle() {
    for (int i = 0; i < 5; ++i) QTest::qWait(5);
}

class EditConstraintTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setApplicationDisplayName(AppTitle);
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        edit = new QLineEdit(form.get());
        edit->setObjectName("edtValue");
        next = new QLineEdit(form.get());
        next->setObjectName("edtNext");
        layout->addWidget(edit);
        layout->addWidget(next);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        constraint = std::make_unique<KyEditConstraint>(form.get(), true);
    }

    void TearDown() override {
        constraint.reset();
        form.reset();
    }

    void attach(const std::string& format, KyEditValidator validator = {}) {
        constraint->Attach(format, edit, std::move(validator));
        edit->setFocus(Qt::OtherFocusReason);
        settle();
    }

    // Replaces the edit's text by typing, with the focus in the edit.
    void type(const QString& keys) {
        if (!edit->hasFocus()) {
            edit->setFocus(Qt::OtherFocusReason);
            settle();
        }
        edit->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, keys);
    }

    // Tabs out of the edit and lets the queued focus moves run.
    void leave() {
        QTest::keyClick(edit, Qt::Key_Tab);
        settle();
    }

    std::unique_ptr<QWidget> form;
    QLineEdit* edit = nullptr;
    QLineEdit* next = nullptr;
    std::unique_ptr<KyEditConstraint> constraint;
};

TEST_F(EditConstraintTest, FormatGrammar) {
    struct Case {
        const char* format;
        bool good;
    };
    const Case cases[] = {
        {"%s", true},           {"%s{}", true},          {"%i{n1x4094l4}", true}, {"%n,{l3fx100}", true},
        {"%n,", true},          {"%s{l32}", true},       {"%s{I}", true},         {"%s{Im}", true},
        {"%s{I6}", true},       {"%s{I6m}", true},       {"%s{M}", true},         {"%s{Mm}", true},
        {"%s{Mu}", true},       {"%s{Z}", true},         {"%s{ZI}", true},        {"%i{n-5x5}", true},
        {"%f{n-1.5x2.25}", true}, {"%s{l4afn}", true},   {"%s{w80l4}", true},     {"%i{e.l3}", true},
        {"%h{l4f}", true},      {"%u{x10}", true},
        {"", false},            {"%", false},            {"s", false},            {"%x", false},
        {"%sx", false},         {"%s{", false},          {"%s}", false},          {"%s{l4", false},
        {"%s{q}", false},       {"%i{n}", false},        {"%i{x}", false},        {"%s{l}", false},
        {"%s{w}", false},       {"%s{e}", false},        {"%n", false},           {"%i{n1-2}", false},
        {"%s{Il4}", false},     {"%s{l4aa}", false},     {"%S", false},           {"%i{ l4}", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        QLineEdit target;
        try {
            constraint->Attach(c.format, &target);
            EXPECT_TRUE(c.good);
        } catch (const KyException& e) {
            EXPECT_FALSE(c.good);
            EXPECT_EQ(e.code(), -2);
            EXPECT_STREQ(e.what(), " Bad format specifier of edit's constraint!");
            EXPECT_EQ(target.maxLength(), 32767) << "a bad format changes nothing";
        }
    }
}

TEST_F(EditConstraintTest, TypingKeepsOnlyWhatTheTypeAllows) {
    struct Case {
        const char* format;
        const char* keys;
        const char* text;
    };
    const Case cases[] = {
        {"%i{n1x4094l4}", "12a", "12"},
        {"%i{}", "-12", "-12"},
        {"%i{}", "1-2", "12"},
        {"%i", "4x0-9", "409"},
        {"%u", "-12", "12"},
        {"%f", "-1.5.2", "-1.52"},
        {"%f", ".5-", ".5"},
        {"%h", "0aFgz1", "0aF1"},
        {"%n,", ",1,,2,", "1,2,"},
        {"%n;", "1;2a;3", "1;2;3"},
        {"%n,{l3}", "1,2,3,4,5,6", "1,2,3,4,5,6"},
        {"%s", "any text!", "any text!"},
        {"%s{l16}", "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnop"},
        {"%h{l4}", "12345", "1234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " typed " + c.keys);
        attach(c.format);
        type(QString::fromLatin1(c.keys));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.text));
        constraint->Detach(edit);
        edit->clear();
    }
}

TEST_F(EditConstraintTest, PastedTextIsFilteredAsAWhole) {
    attach("%i");
    edit->insert(QString(16000, QLatin1Char('x')) + "12" + QString(16000, QLatin1Char('-')) + "3");
    EXPECT_EQ(edit->text(), "123");
}

TEST_F(EditConstraintTest, RemovedCharacterKeepsTheCaretInPlace) {
    attach("%i");
    type("1234");
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, "x5");
    EXPECT_EQ(edit->text(), "12534");
    EXPECT_EQ(edit->cursorPosition(), 3);
}

TEST_F(EditConstraintTest, LeavingChecksTheValueAndPutsBackTheAcceptedText) {
    struct Case {
        const char* format;
        const char* good;
        const char* bad;
        const char* message;
    };
    const Case cases[] = {
        {"%i{n1x4094l4}", "4094", "0", " Please enter a number between 1 and 4094!"},
        {"%i{}", "-2147483648", "-2147483649", " Please enter a number between -2147483648 and 2147483647!"},
        {"%u{x10}", "10", "11", " Please enter a number between 0 and 10!"},
        {"%u", "4294967295", "4294967296", " Please enter a number between 0 and 4294967295!"},
        {"%f{n0.5x1.5}", "1.5", "2", " Please enter a number between 0.5 and 1.5!"},
        {"%i", "-1", "-", " Please enter a number between -2147483648 and 2147483647!"},
        {"%s{l4f}", "abcd", "abc", " Please enter a string whose length is 4!"},
        {"%h{l4f}", "88a8", "8a8", " Please enter a hex string whose length is 4!"},
        {"%s{l4n}", "ab", "", " Empty value is not allowed!"},
        {"%s{I}", "192.0.2.1", "1.2.3", " Please enter a valid IP address!"},
        {"%s{I}", "192.0.2.1", "010.0.0.0001", " Please enter a valid IP address!"},
        {"%s{Im}", "239.1.1.1", "10.0.0.1", " Please enter a valid multicast IP address!"},
        {"%s{I6}", "20010db8000000000000000000000001", "2001:db8::1", " Please enter a valid IPV6 address!"},
        {"%h{I6m}", "ff020000000000000000000000000001", "fe800000000000000000000000000001",
         " Please enter a valid multicast IPV6 address!"},
        {"%s{M}", "00-11-22-33-44-55", "00-11-22-33-44-55XYZ", " Please enter a valid MAC address!"},
        {"%s{Mm}", "01-00-5E-00-00-01", "00-11-22-33-44-55", " Please enter a valid multicast MAC address!"},
        {"%s{Mm}", "01-00-5E-00-00-01", "01:00:5E:00:00:01", " Please enter a valid multicast MAC address!"},
        {"%s{Mu}", "00-11-22-33-44-55", "01-00-5E-00-00-01", " Please enter a valid unicast MAC address!"},
        {"%n,{l3fx100}", "1,2,3", "1,2",
         " Please enter a delimited number string with delimiter ','.\nHere,the count of the number is equal to 3!"},
        {"%n,{l3fx100}", "1,2,3", "1,2,300",
         " Please enter a delimited number string with delimiter ','.\nHere,each number is between 0 and 100!"},
        {"%n;{l2}", "1;2", "1;2;3",
         " Please enter a delimited number string with delimiter ';'.\nHere,the count of the number is less than 2!"},
        {"%n,{n5}", "5,4294967295", "4294967396",
         " Please enter a delimited number string with delimiter ','.\nHere,each number is between 5 and 4294967295!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " left with \"" + c.bad + "\"");
        attach(c.format);
        MessageBoxes boxes;
        type(QString::fromLatin1(c.good));
        leave();
        EXPECT_TRUE(boxes.Texts.isEmpty());
        EXPECT_TRUE(next->hasFocus());

        type(QString::fromLatin1(c.bad));
        ASSERT_EQ(edit->text(), QString::fromLatin1(c.bad)) << "the bad text must get past typing";
        leave();
        ASSERT_EQ(boxes.Texts.size(), 1);
        EXPECT_EQ(boxes.Texts[0], QString::fromLatin1(c.message));
        EXPECT_EQ(boxes.Titles[0], AppTitle);
        EXPECT_EQ(boxes.Parents[0].data(), form.get());
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.good));
        EXPECT_TRUE(edit->hasFocus());
        constraint->Detach(edit);
    }
}

TEST_F(EditConstraintTest, FailureBeforeAnyAcceptedExitEmptiesTheEdit) {
    attach("%i{n1x4094l4}");
    MessageBoxes boxes;
    type("0");
    leave();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(EditConstraintTest, RememberedTextComesBackAfterAFailure) {
    attach("%i{n1x4094l4}");
    edit->setText("100");  // as a value read from the device is shown
    constraint->RememberText(edit);
    MessageBoxes boxes;
    type("5000");
    EXPECT_EQ(edit->text(), "5000");
    leave();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(edit->text(), "100");
}

TEST_F(EditConstraintTest, TwoRefusedEditsNeverTakeTheFocusFromEachOther) {
    constraint->Attach("%s{l4n}", next);
    attach("%s{l4n}");
    MessageBoxes boxes;
    leave();
    settle();
    EXPECT_EQ(boxes.Texts, QStringList{" Empty value is not allowed!"});
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(EditConstraintTest, ConstraintWithoutRememberingKeepsTheFirstText) {
    constraint = std::make_unique<KyEditConstraint>(form.get(), false);
    attach("%u{x10}");
    MessageBoxes boxes;
    type("7");
    leave();
    type("11");
    leave();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(edit->text(), "");
}

TEST_F(EditConstraintTest, EmptyEditIsLeftAloneWithoutTheNotEmptyFlag) {
    attach("%i{n1x4094l4}");
    MessageBoxes boxes;
    type("");
    leave();
    EXPECT_TRUE(boxes.Texts.isEmpty());
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(EditConstraintTest, PlaceholdersOfTheBinderPassUnchecked) {
    attach("%i{n1x10}");
    MessageBoxes boxes;
    for (const char* text : {"(NOTDONE)", "(NULL)"}) {
        edit->setText(text);
        EXPECT_EQ(edit->text(), text);
        leave();
        EXPECT_TRUE(boxes.Texts.isEmpty());
        edit->setFocus();
        settle();
    }
}

TEST_F(EditConstraintTest, SwitchingWindowsOrOpeningAPopupChecksNothing) {
    attach("%i{n1x10}");
    MessageBoxes boxes;
    type("99");
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(edit, &out);
        settle();
    }
    EXPECT_TRUE(boxes.Texts.isEmpty());
    EXPECT_EQ(edit->text(), "99");
}

TEST_F(EditConstraintTest, FullEditMovesTheFocusOn) {
    attach("%i{n1x10l2a}");
    type("1");
    settle();
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "0");
    settle();
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(edit->text(), "10");
}

TEST_F(EditConstraintTest, TextWrittenByTheProgramMovesNoFocus) {
    attach("%i{n1x10l2a}");
    next->setFocus();
    settle();
    edit->setText("10");
    settle();
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(EditConstraintTest, NextFieldCharacterIsDroppedAndMovesTheFocusOn) {
    attach("%i{x255e.}");
    type("192.");
    settle();
    EXPECT_EQ(edit->text(), "192");
    EXPECT_TRUE(next->hasFocus());
}

TEST_F(EditConstraintTest, CustomValidatorRefusesSilently) {
    attach("%s{Z}", isValidShortHex);
    MessageBoxes boxes;
    type("88a8");
    leave();
    EXPECT_EQ(edit->text(), "88A8") << "the validator's own form is kept and remembered";
    type("12345");
    leave();
    EXPECT_TRUE(boxes.Texts.isEmpty());
    EXPECT_EQ(edit->text(), "88A8");
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(EditConstraintTest, ValidatorOptionWithoutValidatorChecksTheRest) {
    attach("%s{l4fZ}");
    MessageBoxes boxes;
    type("abc");
    leave();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0], " Please enter a string whose length is 4!");
}

TEST_F(EditConstraintTest, PageHandlerCanVetoTheExit) {
    attach("%u{x10}");
    type("5");
    leave();
    QObject::connect(constraint.get(), &KyEditConstraint::Exited, [](QLineEdit* e) {
        if (e->text() == "7") e->setProperty(KyTagProperty, -1);
    });
    int exits = 0;
    QObject::connect(constraint.get(), &KyEditConstraint::Exited, [&] { ++exits; });
    type("7");
    leave();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(edit->text(), "5");
    EXPECT_TRUE(next->hasFocus()) << "a veto does not take the focus back";

    edit->setProperty(KyTagProperty, 0);
    type("8");
    leave();
    type("11");
    MessageBoxes boxes;
    leave();
    EXPECT_EQ(exits, 2) << "a refused value never reaches the page";
    EXPECT_EQ(edit->text(), "8");
}

TEST_F(EditConstraintTest, PageHandlerCanVetoTheMoveOn) {
    attach("%i{l2a}");
    QObject::connect(constraint.get(), &KyEditConstraint::Changed,
                     [](QLineEdit* e) { e->setProperty(KyTagProperty, -1); });
    type("12");
    settle();
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(EditConstraintTest, DetachedEditIsFreeAgain) {
    attach("%i{n1x10w60l2}");
    EXPECT_EQ(edit->width(), 60);
    EXPECT_EQ(edit->maxLength(), 2);
    constraint->Detach(edit);
    constraint->Detach(edit);
    EXPECT_EQ(edit->maxLength(), 2) << "width and length stay";
    MessageBoxes boxes;
    type("ab");
    leave();
    EXPECT_EQ(edit->text(), "ab");
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(EditConstraintTest, EditOutlivingItsConstraintIsFree) {
    attach("%u{x10}");
    type("99");
    constraint.reset();
    MessageBoxes boxes;
    leave();
    type("abc");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(EditConstraintTest, ConstraintGoneWhileItsMessageIsUp) {
    attach("%u{x10}");
    type("11");
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            constraint.reset();  // the page closed meanwhile
            box->accept();
        }
    });
    closer.start(5);
    leave();
    EXPECT_FALSE(constraint);
    EXPECT_EQ(edit->text(), "11");
}

TEST_F(EditConstraintTest, NumberListLengthCountsNumbersNotCharacters) {
    edit->setMaxLength(5);
    attach("%n,{l3}");
    EXPECT_EQ(edit->maxLength(), 32767);
}

TEST_F(EditConstraintTest, AttachingAgainReplacesTheFormat) {
    attach("%i");
    attach("%s{l3}");
    type("abcd");
    EXPECT_EQ(edit->text(), "abc");
}

TEST_F(EditConstraintTest, AttachAllGivesEachEditItsDirective) {
    constraint->AttachAll("%i{x255}%s{l2}", {edit, next});
    type("1a2");
    EXPECT_EQ(edit->text(), "12");
    next->setFocus();
    QTest::keyClicks(next, "abc");
    EXPECT_EQ(next->text(), "ab");

    QLineEdit spare;
    try {
        constraint->AttachAll("%i%i%i", {&spare, &spare});
        ADD_FAILURE() << "three directives need three edits";
    } catch (const KyException& e) {
        EXPECT_EQ(e.code(), -12);
    }
    try {
        constraint->AttachAll("%u{l2}%q", {&spare, next});
        ADD_FAILURE() << "the second directive is bad";
    } catch (const KyException& e) {
        EXPECT_EQ(e.code(), -2);
    }
    EXPECT_EQ(spare.maxLength(), 2) << "directives before the bad one stay attached";
}

TEST_F(EditConstraintTest, MessageBoxBelongsToTheCurrentOwner) {
    QWidget dialog;
    constraint->SetOwner(&dialog);
    attach("%u{x10}");
    MessageBoxes boxes;
    type("11");
    leave();
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Parents[0].data(), &dialog);
}

}  // namespace
