#include "KyEditConstraint.h"

#include "KyCodec.h"
#include "KyControlEvents.h"
#include "KyException.h"
#include "KyNumList.h"
#include "KySNMPStatus.h"
#include "KyTextUtils.h"
#include "KyValidators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

enum LengthFlag : std::uint16_t { AutoAdvance = 1, ExactLength = 2, NotEmpty = 4 };

constexpr const char* Placeholders[] = {"(NOTDONE)", "(NULL)"};

bool isPlaceholder(const QString& text) {
    for (const char* p : Placeholders)
        if (text == QLatin1String(p)) return true;
    return false;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool isHexDigit(QChar c) {
    const char l = c.toLatin1();
    return (l >= '0' && l <= '9') || (l >= 'A' && l <= 'F') || (l >= 'a' && l <= 'f');
}

[[noreturn]] void badFormat() { throw KyException(-2); }

// The longest run of characters from set starting at pos; pos ends after it.
std::string runOf(const std::string& text, std::size_t& pos, std::size_t end, std::string_view set) {
    const std::size_t start = pos;
    while (pos < end && set.find(text[pos]) != std::string_view::npos) ++pos;
    return text.substr(start, pos - start);
}

double readBound(const std::string& text, std::size_t& pos, std::size_t end) {
    const std::string run = runOf(text, pos, end, "-0123456789.");
    double value = 0;
    const auto [last, ec] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (run.empty() || ec != std::errc() || last != run.data() + run.size()) badFormat();
    return value;
}

int readDecimal(const std::string& text, std::size_t& pos, std::size_t end) {
    const std::string run = runOf(text, pos, end, "0123456789");
    int value = 0;
    const auto [last, ec] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (run.empty() || ec != std::errc() || last != run.data() + run.size()) badFormat();
    return value;
}

// Whether the type lets c follow the text kept so far. Judging every character against what is kept
// before it gives the same text as taking out the first bad character again and again.
bool allowed(char type, char delimiter, const QString& kept, QChar c) {
    switch (type) {
    case 'i': return isDigit(c) || (c == QLatin1Char('-') && kept.isEmpty());
    case 'u': return isDigit(c);
    case 'f':
        return isDigit(c) || (c == QLatin1Char('-') && kept.isEmpty()) ||
               (c == QLatin1Char('.') && !kept.contains(QLatin1Char('.')));
    case 'h': return isHexDigit(c);
    case 'n':
        if (c == QLatin1Char(delimiter)) return !kept.isEmpty() && kept.back() != QLatin1Char(delimiter);
        return isDigit(c);
    default: return true;
    }
}

// A bound of the number list, cut to an unsigned 32-bit number.
std::uint32_t unsignedBound(double bound) {
    if (!(bound > 0)) return 0;
    if (bound >= 4294967295.0) return 4294967295u;
    return std::uint32_t(bound);
}

// The text must be a number as a whole: a lone "-" or "." is out of every range.
bool readNumber(const std::string& text, double& value) {
    const auto [last, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && last == text.data() + text.size() && std::isfinite(value);
}

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

KyEditConstraint::KyEditConstraint(QWidget* owner, bool rememberText) : OwnerWindow(owner), RememberTexts(rememberText) {}

// Edits may outlive the constraint (a page keeps its form): they must not call into it any more.
KyEditConstraint::~KyEditConstraint() {
    for (auto& record : Records) Unhook(*record);
}

void KyEditConstraint::Unhook(EditConstraint_s& record) {
    disconnect(record.onChange);
    if (!record.onExit) return;
    // The filter may be the caller of this very step (a page closed while a message was up): it goes
    // later, but hears nothing more from now on.
    if (record.edit) record.edit->removeEventFilter(record.onExit);
    record.onExit->deleteLater();
}

void KyEditConstraint::ParseFormat(const std::string& format, EditConstraint_s& r) {
    const std::size_t length = format.size();
    if (length < 2 || format[0] != '%' || std::string_view("shiufn").find(format[1]) == std::string_view::npos)
        badFormat();
    r.type = format[1];
    std::size_t block = 2;
    if (r.type == 'n') {
        if (length < 3) badFormat();
        r.delimiter = format[2];
        block = 3;
    }
    switch (r.type) {
    case 'i':
        r.minimum = -2147483648.0;
        r.maximum = 2147483647.0;
        break;
    case 'u':
    case 'n':
        r.minimum = 0;
        r.maximum = 4294967295.0;
        break;
    case 'f':
        r.minimum = std::numeric_limits<double>::lowest();
        r.maximum = std::numeric_limits<double>::max();
        break;
    }
    if (length <= block) return;
    if (format[block] != '{' || format[length - 1] != '}') badFormat();

    const std::size_t end = length - 1;
    std::size_t pos = block + 1;
    while (pos < end) {
        const char option = format[pos++];
        switch (option) {
        case 'n':
            r.minimum = readBound(format, pos, end);
            break;
        case 'x':
            r.maximum = readBound(format, pos, end);
            break;
        case 'l': {
            r.maxLength = readDecimal(format, pos, end);
            for (int flags = 0; flags < 3 && pos < end; ++flags) {
                const std::uint16_t flag = format[pos] == 'a'   ? AutoAdvance
                                           : format[pos] == 'f' ? ExactLength
                                           : format[pos] == 'n' ? NotEmpty
                                                                : 0;
                if (!flag || (r.lengthFlags & flag)) break;
                r.lengthFlags |= flag;
                ++pos;
            }
            break;
        }
        case 'w':
            r.width = readDecimal(format, pos, end);
            break;
        case 'e':
            if (pos >= end) badFormat();
            r.nextChar = format[pos++];
            break;
        case 'I':
            // The variant letter is read, and skipped, even when it is none.
            if (pos < end && format[pos] == 'm') {
                r.addressKind = 2;
            } else if (pos < end && format[pos] == '6') {
                ++pos;
                r.addressKind = pos < end && format[pos] == 'm' ? 4 : 3;
            } else {
                r.addressKind = 1;
            }
            ++pos;
            break;
        case 'M':
            r.addressKind = pos < end && format[pos] == 'm' ? 6 : pos < end && format[pos] == 'u' ? 7 : 5;
            ++pos;
            break;
        case 'Z':
            r.useValidator = 1;
            break;
        default:
            badFormat();
        }
    }
}

void KyEditConstraint::Attach(const std::string& format, QLineEdit* edit, KyEditValidator validator) {
    auto record = std::make_unique<EditConstraint_s>();
    ParseFormat(format, *record);
    Detach(edit);
    record->edit = edit;
    record->validator = std::move(validator);
    if (record->width > 0) edit->setFixedWidth(record->width);
    // For a number list the length counts numbers, not characters.
    const int maxLength = record->type == 'n' ? 0 : record->maxLength;
    edit->setMaxLength(maxLength > 0 ? maxLength : 32767);
    record->onChange = KyControlEvents::onChange(edit, this, [this, edit] { OnChange(edit); });
    record->onExit = KyControlEvents::onExit(edit, [this, edit] {
        if (!Exiting) OnExit(edit);
    });
    Records.push_back(std::move(record));
}

void KyEditConstraint::AttachAll(const std::string& format, const std::vector<QLineEdit*>& edits,
                                 KyEditValidator validator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= format.size(); ++i) {
        if (i == format.size() || format[i] == '%') {
            pieces.push_back(format.substr(start, i - start));
            start = i;
        }
    }
    if (pieces.size() > edits.size()) throw KyException(-12);
    for (std::size_t k = 0; k < pieces.size(); ++k) Attach(pieces[k], edits[k], validator);
}

void KyEditConstraint::Detach(QLineEdit* edit) {
    for (auto it = Records.begin(); it != Records.end(); ++it) {
        if ((*it)->edit != edit) continue;
        Unhook(**it);
        Records.erase(it);
        return;
    }
}

void KyEditConstraint::SetOwner(QWidget* owner) { OwnerWindow = owner; }

void KyEditConstraint::RememberText(QLineEdit* edit) {
    if (EditConstraint_s* r = Find(edit)) r->acceptedText = edit->text();
}

KyEditConstraint::EditConstraint_s* KyEditConstraint::Find(const QLineEdit* edit) const {
    if (!edit) return nullptr;
    for (const auto& r : Records)
        if (r->edit == edit) return r.get();
    return nullptr;
}

void KyEditConstraint::OnChange(QLineEdit* edit) {
    const QString text = edit->text();
    EditConstraint_s* r = Find(edit);
    if (!r || text.isEmpty() || isPlaceholder(text)) return;

    // One pass over the whole text, so that a long paste is no deep recursion of change events.
    QString kept;
    bool moveOn = false, refused = false;
    const int caret = edit->cursorPosition();
    int caretAfter = caret;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool next = r->nextChar && c == QLatin1Char(r->nextChar);
        if (!next && allowed(r->type, r->delimiter, kept, c)) {
            kept += c;
            continue;
        }
        (next ? moveOn : refused) = true;
        if (i < caret) --caretAfter;
    }
    if (moveOn || refused) {
        QPointer<QLineEdit> guard(edit);
        edit->setText(kept);  // runs this handler again for the text that passed
        if (!guard) return;
        edit->setCursorPosition(caretAfter);
        if (refused) QApplication::beep();
        if (moveOn) PostFocusMove(edit);
        return;
    }

    QPointer<QLineEdit> guard(edit);
    emit Changed(edit);
    if (!guard || edit->property(KyTagProperty).toInt() == -1) return;
    r = Find(edit);  // the handler may have detached the edit
    if (r && (r->lengthFlags & AutoAdvance) && r->maxLength > 0 && text.size() == r->maxLength) PostFocusMove(edit);
}

// The code of the check that fails, 0 when the value is accepted.
int KyEditConstraint::CheckValue(const EditConstraint_s& r, QLineEdit* edit) const {
    const std::string text = edit->text().toStdString();
    switch (r.type) {
    case 'i':
    case 'u':
    case 'f': {
        double value = 0;
        return readNumber(text, value) && value >= r.minimum && value <= r.maximum ? 0 : -8;
    }
    case 's':
    case 'h': {
        const bool hex = r.type == 'h';
        switch (r.addressKind) {
        case 1: return isValidIPv4Address(edit) ? 0 : -19;
        case 2: return isValidMulticastIPv4Address(edit) ? 0 : -20;
        case 3: return isValidIPv6Hex(edit) ? 0 : -21;
        case 4: return isValidMulticastIPv6Address(edit) ? 0 : -22;
        case 5: return isValidMACAddress(edit) ? 0 : -23;
        case 6: return isValidMACAddress(edit) && isMulticastMACAddress(edit) ? 0 : -24;
        case 7: return isValidMACAddress(edit) && isUnicastMACAddress(edit) ? 0 : -25;
        }
        const int length = int(edit->text().size());
        if (r.maxLength <= 0) return 0;
        if (r.lengthFlags & ExactLength) return length == r.maxLength ? 0 : hex ? -7 : -5;
        return length <= r.maxLength ? 0 : hex ? -6 : -4;
    }
    case 'n': {
        KyUIntList list;
        list.Delimiter = r.delimiter;
        const int count = list.CountItems(text);
        if (r.maxLength > 0) {
            if ((r.lengthFlags & ExactLength) && count != r.maxLength) return -10;
            if (!(r.lengthFlags & ExactLength) && count > r.maxLength) return -9;
        }
        // A number too large to read is out of range too, never a smaller one.
        if (!list.Parse(text) || !list.AllInRange(unsignedBound(r.minimum), unsignedBound(r.maximum))) return -11;
        return 0;
    }
    }
    return 0;
}

void KyEditConstraint::OnExit(QLineEdit* edit) {
    EditConstraint_s* r = Find(edit);
    const QString text = edit->text();
    if (!r || isPlaceholder(text)) return;

    if (text.isEmpty()) {
        if (r->lengthFlags & NotEmpty) Refuse(edit, -3);
        return;
    }
    if (r->useValidator && r->validator) {
        if (!r->validator(edit)) {
            edit->setText(r->acceptedText);
            Refocus(edit);
            return;
        }
    } else if (const int code = CheckValue(*r, edit)) {
        Refuse(edit, code);
        return;
    }

    QPointer<QLineEdit> guard(edit);
    emit Exited(edit);
    if (!guard || !(r = Find(edit))) return;
    if (edit->property(KyTagProperty).toInt() == -1)
        edit->setText(r->acceptedText);
    else if (RememberTexts)
        r->acceptedText = edit->text();
}

void KyEditConstraint::Refuse(QLineEdit* edit, int code) {
    const EditConstraint_s& r = *Find(edit);
    std::string message = messageOf(code);
    const std::string length = std::to_string(r.maxLength);
    const bool list = code == -11;
    const std::string min = list ? std::to_string(unsignedBound(r.minimum)) : DoubleToText(r.minimum);
    const std::string max = list ? std::to_string(unsignedBound(r.maximum)) : DoubleToText(r.maximum);
    for (const auto& [mark, value] : {std::pair<const char*, std::string>{"[MAXLEN]", length},
                                      {"[LEN]", length},
                                      {"[MAXCOUNT]", length},
                                      {"[COUNT]", length},
                                      {"[DELIMITER]", std::string(1, r.delimiter)},
                                      {"[MIN]", min},
                                      {"[MAX]", max}})
        message = ReplaceAll(message, mark, value);

    // The box runs its own event loop: the page, and this constraint with it, may be gone afterwards.
    QPointer<QLineEdit> guard(edit);
    QPointer<KyEditConstraint> self(this);
    Exiting = true;
    showMessage(OwnerWindow ? OwnerWindow.data() : edit->window(), QString::fromLatin1(message));
    if (!self) return;
    Exiting = false;
    if (!guard) return;
    if (const EditConstraint_s* still = Find(edit)) edit->setText(still->acceptedText);
    Refocus(edit);
}

void KyEditConstraint::Refocus(QLineEdit* edit) {
    // Queued: the focus change that led here finishes first. The window comes back too, since a message
    // box may have taken it. The edit the focus is taken from was only passed through: checking it now
    // could send two refused edits taking the focus from each other for ever.
    QTimer::singleShot(0, this, [this, target = QPointer<QLineEdit>(edit)] {
        if (!target) return;
        Exiting = true;
        target->activateWindow();
        target->setFocus(Qt::OtherFocusReason);
        Exiting = false;
    });
}

void KyEditConstraint::PostFocusMove(QLineEdit* edit) {
    // Only while the user is still in the edit: a text written by the program moves nothing.
    QTimer::singleShot(0, edit, [edit] {
        if (!edit->hasFocus()) return;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &tab);
    });
}
