#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QWidget;

// The edit's Tag: a page's own handler sets this property of the edit to -1 to overrule the constraint.
inline constexpr const char* KyTagProperty = "Tag";

// A page's own check of a "Z" format; false puts the last accepted text back without a message.
using KyEditValidator = std::function<bool(QLineEdit*)>;

// Typed input rules on single-line edits, from one format directive per edit:
//   "%" type [delimiter] ["{" options "}"]
// type s text, h hex text, i signed integer, u unsigned integer, f real number, n list of unsigned numbers
// (its delimiter follows at once). Options, each at most once, in any order: n<min>, x<max>,
// l<length>[a][f][n] (a: move on when full, f: exact length, n: not empty), w<pixels>, e<character that
// moves on>, I/Im/I6/I6m/M/Mm/Mu (address kinds), Z (the validator given to Attach). Examples:
// "%i{n1x4094l4}", "%s{l32}", "%s{I}", "%n,{l3fx100}".
//
// While the user types, characters the type does not allow are removed with a beep. When the focus leaves
// the edit the whole value is checked; a failure shows the common input message, puts back the last
// accepted text and gives the focus back to the edit. Leaving by a window switch or a popup checks
// nothing.
class KyEditConstraint : public QObject {
    Q_OBJECT

public:
    // With rememberText, every accepted exit stores the text as the one a failed check puts back.
    KyEditConstraint(QWidget* owner, bool rememberText);
    ~KyEditConstraint() override;

    // Raises -2 for a bad format, before anything changes. An edit attached already gets the new format.
    void Attach(const std::string& format, QLineEdit* edit, KyEditValidator validator = {});
    // One directive per edit, in order ("%i{x255}%i{x255}%i{x255}%i{x255}"). Raises -12 before attaching
    // anything when there are fewer edits than directives, and -2 at the first bad directive (those
    // before it stay attached).
    void AttachAll(const std::string& format, const std::vector<QLineEdit*>& edits, KyEditValidator validator = {});
    // Width and maximum length stay as they are. Nothing happens for an edit that is not attached.
    void Detach(QLineEdit* edit);

    // Parent of the message boxes; dialogs that borrow a page's edits take it over while they are open.
    void SetOwner(QWidget* owner);
    QWidget* Owner() const { return OwnerWindow; }

    // Makes the edit's current text the one a failed check puts back, such as a value just read from the
    // device. Nothing happens for an edit that is not attached.
    void RememberText(QLineEdit* edit);

signals:
    // The text passed the character filter. Setting the edit's Tag to -1 here stops the move to the next
    // control.
    void Changed(QLineEdit* edit);
    // The value passed the checks on leaving. Setting the edit's Tag to -1 here refuses it: the accepted
    // text comes back, the focus stays where it went.
    void Exited(QLineEdit* edit);

private:
    struct EditConstraint_s {
        QPointer<QLineEdit> edit;
        char type = 0;
        char delimiter = 0;
        double minimum = 0;
        double maximum = 0;
        std::int32_t maxLength = 0;
        std::uint8_t useValidator = 0;
        std::uint8_t addressKind = 0;
        KyEditValidator validator;
        std::uint16_t lengthFlags = 0;
        int width = 0;
        char nextChar = 0;
        QString acceptedText;
        QMetaObject::Connection onChange;
        QPointer<QObject> onExit;  // the edit's focus-out filter
    };

    static void ParseFormat(const std::string& format, EditConstraint_s& record);
    void Unhook(EditConstraint_s& record);
    EditConstraint_s* Find(const QLineEdit* edit) const;
    void OnChange(QLineEdit* edit);
    void OnExit(QLineEdit* edit);
    int CheckValue(const EditConstraint_s& record, QLineEdit* edit) const;
    void Refuse(QLineEdit* edit, int code);
    void Refocus(QLineEdit* edit);
    void PostFocusMove(QLineEdit* edit);

    QPointer<QWidget> OwnerWindow;
    bool RememberTexts;
    std::vector<std::unique_ptr<EditConstraint_s>> Records;
    bool Exiting = false;  // a message box is up, or the focus goes back: such focus moves are no exits
};
