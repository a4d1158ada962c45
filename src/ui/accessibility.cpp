#include "accessibility.h"

#include "frmtype.h"
#include "state/say.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tapwell {

namespace {

// --- words

// Between the parts of what the screen reader says: "W, left ring finger".
QString listSeparator() {
    //: Said by the screen reader between the parts of a key's or a hand's words, as in
    //: "W, left ring finger".
    return QCoreApplication::translate("Accessibility", ", ");
}

// The characters a key types: without Shift and with it (0 where there is none).
struct KeyChars {
    int plain = 0, shifted = 0;
};

KeyChars charsOfKey(const KeyTables& t, int key) {
    KeyChars k;
    const auto take = [&](int c) {
        if (keyIndexOf(t, c) != key) return;
        (shiftSideOf(t, c) == 0 ? k.plain : k.shifted) = c;
    };
    if (t.layout)
        for (const auto& [c, place] : t.layout->chars)
            take(static_cast<int>(c));
    else
        for (int c = 33; c <= 126; ++c)
            take(c);
    return k;
}

FrmType* windowOf(const QWidget* w) {
    return w != nullptr ? qobject_cast<FrmType*>(w->window()) : nullptr;
}

int keyIndexOfWidget(const FrmType& f, const QWidget* w) {
    for (int k = kFirstKey; k <= kAltGrKey; ++k)
        if (controlsOf(f).cmdKey(k) == w && w != nullptr) return k;
    return 0;
}

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

const QString kAnnouncerName = QStringLiteral("tapwell_accessibility");
const QString kSpokenName = QStringLiteral("tapwell_spoken");
QString nextKeyWords() {
    //: A key's description for the screen reader: it is the key to press next.
    return QCoreApplication::translate("Accessibility", "next key");
}
QString homeKeyWords() {
    //: A key's description for the screen reader: a finger rests on it.
    return QCoreApplication::translate("Accessibility", "home key");
}

// --- the interfaces of our controls

// A 3D button: a button by its caption or the name it was given; on the keyboard, a key
// named by its characters that says when it is the one to press.
class CommandAccessible : public QAccessibleWidget {
public:
    explicit CommandAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        const auto* b = static_cast<const QAbstractButton*>(widget());
        const FrmType* f = windowOf(b);
        const int key = f != nullptr ? keyIndexOfWidget(*f, b) : 0;
        if (t == QAccessible::Name) {
            if (!b->accessibleName().isEmpty()) return b->accessibleName();
            if (key != 0) {
                const QString words = keyWords(f->state(), key);
                if (!words.isEmpty()) return words;
            }
            return withoutMnemonic(b->text());
        }
        if (t == QAccessible::Description && key != 0) {
            QStringList parts;
            if (key == kLeftShiftKey) {
                //: The description of the left Shift key of the on-screen keyboard.
                parts << QCoreApplication::translate("Accessibility", "left");
            } else if (key == kRightShiftKey) {
                //: The description of the right Shift key of the on-screen keyboard.
                parts << QCoreApplication::translate("Accessibility", "right");
            }
            if (f->guide().marked(key))
                parts << (f->state().HomeShown != 0 ? homeKeyWords() : nextKeyWords());
            return parts.join(listSeparator());
        }
        if (t == QAccessible::Accelerator) return QKeySequence::mnemonic(b->text()).toString();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* b = static_cast<const QAbstractButton*>(widget());
        s.pressed = b->isDown();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<QAbstractButton*>(widget())->animateClick();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A 3D panel: on the keyboard it is the space bar.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QWidget* w) : QAccessibleWidget(w, role(w)) {}

    QString text(QAccessible::Text t) const override {
        const FrmType* f = windowOf(widget());
        const bool spaceBar = f != nullptr && controlsOf(*f).pnlSpace == widget();
        if (spaceBar && t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return characterWords(kSpace);
        if (spaceBar && t == QAccessible::Description)
            return f->guide().spaceBarMarked() ? nextKeyWords() : QString();
        return QAccessibleWidget::text(t);
    }

private:
    static QAccessible::Role role(const QWidget* w) {
        const FrmType* f = windowOf(w);
        return f != nullptr && controlsOf(*f).pnlSpace == w ? QAccessible::Button
                                                            : QAccessible::Pane;
    }
};

// A picture: the hands by the finger they light, the stores and the arrow by what they
// are.
class ImageAccessible : public QAccessibleWidget {
public:
    explicit ImageAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const FrmType* f = windowOf(widget());
        if (f == nullptr) return {};
        for (int h = 0; h < 2; ++h)
            if (controlsOf(*f).imgHand[static_cast<std::size_t>(h)] == widget())
                return handWords(h + 1, f->guide().hand(h + 1));
        for (int k = 0; k < 14; ++k)
            if (controlsOf(*f).imgFinger[static_cast<std::size_t>(k)] == widget())
                return handWords(k / 7 + 1, k % 7);
        if (controlsOf(*f).imgArrow == widget())
            //: A picture's name for the screen reader: the arrow beside the row of keys.
            return QCoreApplication::translate("Accessibility", "row arrow");
        if (controlsOf(*f).imgBack == widget())
            //: A picture's name for the screen reader: the mark on the key to press.
            return QCoreApplication::translate("Accessibility", "key marker");
        if (controlsOf(*f).imgKeyboard == widget())
            //: A picture's name for the screen reader: the start screen's computer.
            return QCoreApplication::translate("Accessibility", "computer drawing");
        return {};
    }
};

// A frame: a group named by its caption.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const Frame*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

// The on-screen keyboard: a panel whose description says what to press next.
class KeyboardAccessible : public QAccessibleWidget {
public:
    explicit KeyboardAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            //: The on-screen keyboard's name for the screen reader.
            return QCoreApplication::translate("Accessibility", "On-screen keyboard");
        if (t == QAccessible::Description) {
            // Another window's keyboard (My Progress's trouble map) says what it was told.
            const FrmType* f = windowOf(widget());
            return f != nullptr ? guideWords(f->state(), f->guide()) : QAccessibleWidget::text(t);
        }
        return QAccessibleWidget::text(t);
    }
};

// The text display, read as text: its lines as printed, one after another. While a drill
// line is typed, the caret stands on the next character to type in the line.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            //: The name for the screen reader of the box where lessons and drills are printed.
            return QCoreApplication::translate("Accessibility", "Text display");
        if (t == QAccessible::Value) return all();
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
            const FrmType* f = windowOf(widget());
            return f != nullptr ? guideWords(f->state(), f->guide()) : QString();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    // The text interface.
    QString text(int start, int end) const override {
        const QString t = all();
        start = std::clamp(start, 0, static_cast<int>(t.size()));
        end = end < 0 ? static_cast<int>(t.size())
                      : std::clamp(end, start, static_cast<int>(t.size()));
        return t.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(all().size()); }
    int cursorPosition() const override {
        return caretOf(static_cast<const PictureBox*>(widget()));
    }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run of plain text from the first character to the last: a screen reader reads
    // a line by its attribute runs, and an empty run makes it stop a character short.
    QString attributes(int offset, int* start, int* end) const override {
        const int count = characterCount();
        if (offset < 0 || offset > count) {
            *start = *end = -1;
            return {};
        }
        *start = 0;
        *end = count;
        return {};
    }

    static int caretOf(const PictureBox* box) {
        const QStringList lines = box->printedLines();
        const FrmType* f = windowOf(box);
        const bool drill = f != nullptr && controlsOf(*f).picDisplay == box &&
                           f->state().Typing == 1 &&
                           (f->state().Mode == kCharacterDrill || f->state().Mode == kWordDrill);
        // A drill line stands on the display's second line (the first holds nothing, or
        // what Tricky Keys says of the keys).
        if (drill && lines.size() >= 2)
            return static_cast<int>(lines[0].size()) + 1 +
                   std::clamp(static_cast<int>(f->state().LinePos), 0,
                              static_cast<int>(lines[1].size()));
        return static_cast<int>(lines.join(QLatin1Char('\n')).size());
    }

private:
    QString all() const {
        return static_cast<const PictureBox*>(widget())->printedLines().join(QLatin1Char('\n'));
    }
};

// What the window says to a screen reader while the focus stays where the child types: a
// notification, spoken once each time it is shown. Shown with no size, it is never seen.
class SpokenNote : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNote(QWidget* parent) : QWidget(parent) {
        setObjectName(kSpokenName);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

class SpokenAccessible : public QAccessibleWidget {
public:
    explicit SpokenAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->accessibleDescription();
        return {};
    }
};

QAccessibleInterface* tapwellAccessible(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("tapwell::SpokenNote")) return new SpokenAccessible(w);
    // Asked for each class from the most derived up: the keyboard is a picture box too.
    if (className == QLatin1String("tapwell::OnScreenKeyboard")) return new KeyboardAccessible(w);
    if (className == QLatin1String("tapwell::PictureBox")) return new DisplayAccessible(w);
    if (className == QLatin1String("tapwell::SSCommand")) return new CommandAccessible(w);
    if (className == QLatin1String("tapwell::SSPanel")) return new PanelAccessible(w);
    if (className == QLatin1String("tapwell::ImageBox")) return new ImageAccessible(w);
    if (className == QLatin1String("tapwell::Frame")) return new FrameAccessible(w);
    // The drawn shapes: the cursor box and the backdrop, and the line in the drill frame.
    if (className == QLatin1String("tapwell::ShapeBox"))
        return new QAccessibleWidget(w, QAccessible::Graphic);
    if (className == QLatin1String("tapwell::LineBox"))
        return new QAccessibleWidget(w, QAccessible::Separator);
    return nullptr;
}

// Installed as the program loads: an interface asked for while the window is still being
// built (a caption set, a key made) is kept for the control's life, so ours must be
// there before the first control is made.
void installFactory() {
    QAccessible::installFactory(tapwellAccessible);
}
Q_CONSTRUCTOR_FUNCTION(installFactory)

// --- keeping the screen reader told, and the ways of the keyboard

// Told of every change of the guide (after the keyboard has drawn it) and of the display's
// text; once the changes of one step are done, it sends the screen reader what changed.
class Announcer final : public QObject, public GuideView {
public:
    std::function<void(QAccessibleEvent*)> listener;

    explicit Announcer(FrmType& window) : QObject(&window), w_(window), c_(controlsOf(window)) {
        setObjectName(kAnnouncerName);
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &Announcer::announce);
        connect(c_.picDisplay, &PictureBox::textChanged, this, [this] { timer_.start(); });
        text_ = displayText();
    }

    // A key typed, before it is judged: said back when it is wrong.
    void keyTyped(int code) {
        typed_ = code;
        errors_ = w_.state().ErrorCount;
        timer_.start(); // a wrong key may change nothing else
    }
    // The result of a line or run, said before anything else of its step.
    void resultShown(const QString& words) {
        result_ = words;
        timer_.start();
    }

    void keyMarked(int key, bool marked) override {
        c_.picKeys->keyMarked(key, marked);
        timer_.start();
    }
    void handShows(int hand, int picture) override {
        c_.picKeys->handShows(hand, picture);
        timer_.start();
    }
    void spaceBarMarked(bool marked) override {
        c_.picKeys->spaceBarMarked(marked);
        timer_.start();
    }

private:
    QString displayText() const { return c_.picDisplay->printedLines().join(QLatin1Char('\n')); }

    void announce() {
        const QString text = displayText();
        QString newText;
        if (text != text_) {
            sendTextChange(text_, text);
            newText = text.startsWith(text_) ? text.mid(text_.size()) : text;
            text_ = text;
        }
        const QString said = spoken(newText);
        if (!said.isEmpty()) sayToScreenReader(w_, said);
        const int caret = DisplayAccessible::caretOf(c_.picDisplay);
        if (caret != caret_) {
            caret_ = caret;
            {
                QAccessibleTextCursorEvent ev(c_.picDisplay, caret);
                tell(&ev);
            }
        }
        const QString guide = guideWords(w_.state(), w_.guide());
        if (guide != guide_) {
            guide_ = guide;
            {
                for (QObject* o :
                     {static_cast<QObject*>(c_.picKeys), static_cast<QObject*>(c_.picDisplay)}) {
                    QAccessibleEvent ev(o, QAccessible::DescriptionChanged);
                    tell(&ev);
                }
            }
        }
        for (int k = kFirstKey; k <= kAltGrKey; ++k) {
            if (k == kSpaceBarKey) continue;
            const bool marked = w_.guide().marked(k);
            if (marked == marked_[static_cast<std::size_t>(k - kFirstKey)]) continue;
            marked_[static_cast<std::size_t>(k - kFirstKey)] = marked;
            {
                QAccessibleEvent ev(c_.cmdKey(k), QAccessible::DescriptionChanged);
                tell(&ev);
            }
        }
        if (w_.guide().spaceBarMarked() != space_) {
            space_ = !space_;
            {
                QAccessibleEvent ev(c_.pnlSpace, QAccessible::DescriptionChanged);
                tell(&ev);
            }
        }
        for (int h = 0; h < 2; ++h) {
            const int picture = w_.guide().hand(h + 1);
            if (picture == hands_[static_cast<std::size_t>(h)]) continue;
            hands_[static_cast<std::size_t>(h)] = picture;
            {
                QAccessibleEvent ev(c_.imgHand[static_cast<std::size_t>(h)],
                                    QAccessible::NameChanged);
                tell(&ev);
            }
        }
    }

    // What a child who listens hears of one step, a sentence at most (each key press is a
    // step): the result when a line or run ends; after a wrong key, what was typed and
    // the key wanted; else where the guide moved; else, away from the display (where the
    // screen reader reads the text itself), the new text: a lesson page, an instruction.
    QString spoken(const QString& newText) {
        const QString guide = guideWords(w_.state(), w_.guide());
        const QString next = guideWords(w_.state(), w_.guide(), false);
        const bool wrong = typed_ != 0 && w_.state().ErrorCount > errors_;
        // Where the focus has just come to the display, the screen reader reads its
        // description (the same words as the guide's) itself.
        const QWidget* focus = QApplication::focusWidget();
        const bool focusCame = focus == c_.picDisplay && focus_ != c_.picDisplay;
        focus_ = focus;
        const int typed = typed_;
        typed_ = 0;
        if (!result_.isEmpty()) {
            // Tricky Keys names the keys the line practised under it, at the same moment.
            const QString practised = displayText().section(QLatin1Char('\n'), -1).simplified();
            const QString practisedLead = QString::fromStdString(say("Drills", "Practised:%1"))
                                              .section(QStringLiteral("%1"), 0, 0);
            const QString result = std::exchange(result_, QString());
            if (practisedLead.isEmpty() || !practised.startsWith(practisedLead)) return result;
            //: Said by the screen reader when a Tricky Keys line ends: %1 is the results
            //: ("92% accuracy"), %2 the keys it practised ("Practised: W S X").
            return QCoreApplication::translate("Accessibility", "%1. %2").arg(result, practised);
        }
        if (wrong && !next.isEmpty())
            //: Said by the screen reader after a wrong key: %1 is what was typed ("Q"), %2 the
            //: key to press ("W, left ring finger").
            return QCoreApplication::translate("Accessibility", "That was %1. %2")
                .arg(characterWords(typed), next);
        if (guide != guide_ && w_.state().Typing == 1 && !next.isEmpty() && !focusCame) return next;
        // A drill line as it comes: the screen reader reads it as words, and says nothing
        // for a run of spaces, so a line with one is spelled out, the spaces counted.
        const QStringList lines = c_.picDisplay->printedLines();
        const bool drill = w_.state().Mode == kCharacterDrill || w_.state().Mode == kWordDrill;
        if (focusCame && drill && w_.state().Typing == 1 && lines.size() >= 2 &&
            lines[1].contains(QLatin1String("  ")))
            //: Said by the screen reader as a drill line with spaces comes: %1 is the line
            //: spelled out ("F, three spaces, J").
            return QCoreApplication::translate("Accessibility", "The line: %1")
                .arg(spelledLine(lines[1]));
        const QString page = newText.simplified();
        if (!page.isEmpty() && focus != c_.picDisplay) return page;
        return {};
    }

    // The text that changed between the two, by their common beginning and end.
    void sendTextChange(const QString& before, const QString& after) {
        const qsizetype most = std::min(before.size(), after.size());
        qsizetype head = 0;
        while (head < most && before[head] == after[head])
            ++head;
        qsizetype tail = 0;
        while (tail < most - head &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        const QString removed = before.mid(head, before.size() - head - tail);
        const QString inserted = after.mid(head, after.size() - head - tail);
        const int at = static_cast<int>(head);
        if (removed.isEmpty()) {
            QAccessibleTextInsertEvent ev(c_.picDisplay, at, inserted);
            tell(&ev);
        } else if (inserted.isEmpty()) {
            QAccessibleTextRemoveEvent ev(c_.picDisplay, at, removed);
            tell(&ev);
        } else {
            QAccessibleTextUpdateEvent ev(c_.picDisplay, at, removed, inserted);
            tell(&ev);
        }
    }

    // Without a screen reader Qt drops the events at once.
    void tell(QAccessibleEvent* e) {
        if (listener) listener(e);
        QAccessible::updateAccessibility(e);
    }

    FrmType& w_;
    MainControls& c_;
    QTimer timer_;
    QString text_, guide_;
    QString result_;
    int typed_ = 0;
    std::int32_t errors_ = 0;
    const QWidget* focus_ = nullptr; // where the focus was at the last step
    int caret_ = 0;
    std::array<bool, kAltGrKey - kFirstKey + 1> marked_{};
    std::array<int, 2> hands_{kPlainHand, kPlainHand};
    bool space_ = false;
};

// The order in which Tab walks the window: as the controls stand on the screen, top to
// bottom and left to right, the frame on the left before the display beside it.
void setTabOrder(FrmType& window) {
    MainControls& w = controlsOf(window);
    std::vector<QWidget*> order;
    for (QPushButton* b : w.cmdMenu)
        order.push_back(b);
    order.insert(order.end(), {w.Command1, w.cmdHelp[0], w.cmdExit});
    for (QPushButton* b : w.cmdLearn)
        order.push_back(b);
    order.insert(order.end(), {w.cmdHelp[2], w.cmdStop[0]});
    for (QCheckBox* b : w.chkRow)
        order.push_back(b);
    order.insert(order.end(),
                 {w.chkUC, w.chkSound, w.cmdHelp[1], w.cmdStop[1], w.cmdHelp[3], w.cmdStop[2],
                  w.picDisplay, w.txtTime, w.cmdOK, w.cmdOKPractice, w.cmdNext[0], w.cmdNext[1]});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

QString fingerWords(int hand, int picture) {
    // By hand (left, right) and finger (little .. index), as a screen reader says it.
    static const char* const fingers[2][4] = {
        {QT_TRANSLATE_NOOP("Accessibility", "left little finger"),
         QT_TRANSLATE_NOOP("Accessibility", "left ring finger"),
         QT_TRANSLATE_NOOP("Accessibility", "left middle finger"),
         QT_TRANSLATE_NOOP("Accessibility", "left index finger")},
        {QT_TRANSLATE_NOOP("Accessibility", "right little finger"),
         QT_TRANSLATE_NOOP("Accessibility", "right ring finger"),
         QT_TRANSLATE_NOOP("Accessibility", "right middle finger"),
         QT_TRANSLATE_NOOP("Accessibility", "right index finger")}};
    const bool left = hand == kLeftHand;
    if (picture >= kLittleFingerLit && picture < kFourFingers)
        return QCoreApplication::translate("Accessibility",
                                           fingers[left ? 0 : 1][picture - kLittleFingerLit]);
    if (picture == kThumbLit) {
        if (left)
            //: The finger to press a key with, as a screen reader says it.
            return QCoreApplication::translate("Accessibility", "left thumb");
        //: The finger to press a key with, as a screen reader says it.
        return QCoreApplication::translate("Accessibility", "right thumb");
    }
    return {};
}

QString characterWords(int c) {
    static const std::pair<char, const char*> kNames[] = {
        // A character's name as the screen reader says it.
        {'!', QT_TRANSLATE_NOOP("Accessibility", "exclamation mark")},
        {'"', QT_TRANSLATE_NOOP("Accessibility", "quotation mark")},
        {'#', QT_TRANSLATE_NOOP("Accessibility", "hash")},
        {'$', QT_TRANSLATE_NOOP("Accessibility", "dollar")},
        {'%', QT_TRANSLATE_NOOP("Accessibility", "percent")},
        {'&', QT_TRANSLATE_NOOP("Accessibility", "ampersand")},
        {'\'', QT_TRANSLATE_NOOP("Accessibility", "apostrophe")},
        {'(', QT_TRANSLATE_NOOP("Accessibility", "open bracket")},
        {')', QT_TRANSLATE_NOOP("Accessibility", "close bracket")},
        {'*', QT_TRANSLATE_NOOP("Accessibility", "asterisk")},
        {'+', QT_TRANSLATE_NOOP("Accessibility", "plus")},
        {',', QT_TRANSLATE_NOOP("Accessibility", "comma")},
        {'-', QT_TRANSLATE_NOOP("Accessibility", "minus")},
        {'.', QT_TRANSLATE_NOOP("Accessibility", "full stop")},
        {'/', QT_TRANSLATE_NOOP("Accessibility", "slash")},
        {':', QT_TRANSLATE_NOOP("Accessibility", "colon")},
        {';', QT_TRANSLATE_NOOP("Accessibility", "semicolon")},
        {'<', QT_TRANSLATE_NOOP("Accessibility", "less than")},
        {'=', QT_TRANSLATE_NOOP("Accessibility", "equals")},
        {'>', QT_TRANSLATE_NOOP("Accessibility", "greater than")},
        {'?', QT_TRANSLATE_NOOP("Accessibility", "question mark")},
        {'@', QT_TRANSLATE_NOOP("Accessibility", "at sign")},
        {'[', QT_TRANSLATE_NOOP("Accessibility", "open square bracket")},
        {'\\', QT_TRANSLATE_NOOP("Accessibility", "backslash")},
        {']', QT_TRANSLATE_NOOP("Accessibility", "close square bracket")},
        {'^', QT_TRANSLATE_NOOP("Accessibility", "caret")},
        {'_', QT_TRANSLATE_NOOP("Accessibility", "underscore")},
        {'`', QT_TRANSLATE_NOOP("Accessibility", "backtick")},
        {'{', QT_TRANSLATE_NOOP("Accessibility", "open curly bracket")},
        {'|', QT_TRANSLATE_NOOP("Accessibility", "vertical bar")},
        {'}', QT_TRANSLATE_NOOP("Accessibility", "close curly bracket")},
        {'~', QT_TRANSLATE_NOOP("Accessibility", "tilde")},
    };
    if (c == kSpace)
        //: A character's name, as the screen reader says it.
        return QCoreApplication::translate("Accessibility", "Space");
    if (c == kEnter)
        //: A key's name, as the screen reader says it.
        return QCoreApplication::translate("Accessibility", "Enter");
    if (c >= 'a' && c <= 'z') return QString(QChar(c - 32));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return QString(QChar(c));
    for (const auto& [ch, name] : kNames)
        if (ch == c) return QCoreApplication::translate("Accessibility", name);
    // Another layout's character: a letter as its capital, as its key shows it ("Ö"), any
    // other as itself, which the screen reader reads by its own name.
    if (c > 127 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) {
        const char32_t ch = static_cast<char32_t>(c);
        const QString own = QString::fromUcs4(&ch, 1);
        const QString capital = own.toUpper();
        return capital.size() == own.size() ? capital : own; // ß stays ß, not SS
    }
    return {};
}

QString spelledLine(const QString& line) {
    // How many spaces, as the screen reader says it in "three spaces".
    static const char* const kCounts[] = {
        QT_TRANSLATE_NOOP("Accessibility", "two"),   QT_TRANSLATE_NOOP("Accessibility", "three"),
        QT_TRANSLATE_NOOP("Accessibility", "four"),  QT_TRANSLATE_NOOP("Accessibility", "five"),
        QT_TRANSLATE_NOOP("Accessibility", "six"),   QT_TRANSLATE_NOOP("Accessibility", "seven"),
        QT_TRANSLATE_NOOP("Accessibility", "eight"), QT_TRANSLATE_NOOP("Accessibility", "nine"),
        QT_TRANSLATE_NOOP("Accessibility", "ten")};
    QStringList words;
    for (qsizetype i = 0; i < line.size();) {
        qsizetype run = 1;
        if (line[i] == QLatin1Char(' '))
            while (i + run < line.size() && line[i + run] == QLatin1Char(' '))
                ++run;
        if (run > 1)
            //: A run of spaces in a drill line spelled out; %1 is how many, 2 or more, as a
            //: word up to ten ("three") and in figures above.
            words << QCoreApplication::translate("Accessibility", "%1 spaces")
                         .arg(run <= 10
                                  ? QCoreApplication::translate("Accessibility", kCounts[run - 2])
                                  : QString::number(run));
        else if (line[i] == QLatin1Char(' '))
            //: One space in a drill line spelled out.
            words << QCoreApplication::translate("Accessibility", "space");
        else
            words << characterWords(line[i].unicode());
        i += run;
    }
    return words.join(listSeparator());
}

QString keyWords(const KeyTables& t, int key) {
    if (key == kEnterKey)
        //: A key's name, as the screen reader says it.
        return QCoreApplication::translate("Accessibility", "Enter");
    if (key == kLeftShiftKey || key == kRightShiftKey)
        //: A key's name, as the screen reader says it.
        return QCoreApplication::translate("Accessibility", "Shift");
    if (key == kAltGrKey)
        //: A key's name, as the screen reader says it.
        return QCoreApplication::translate("Accessibility", "AltGr");
    const KeyChars k = charsOfKey(t, key);
    if (k.plain == 0) return {};
    const QString plain = characterWords(k.plain);
    // A letter key says its letter; Shift only makes it a capital.
    if ((k.plain >= 'a' && k.plain <= 'z') || k.shifted == 0) return plain;
    return plain + listSeparator() + characterWords(k.shifted);
}

QString handWords(int hand, int picture) {
    const bool left = hand == kLeftHand;
    // By hand (left, right) and finger (little .. index), as a screen reader says it.
    static const char* const fingers[2][4] = {
        {QT_TRANSLATE_NOOP("Accessibility", "left hand, little finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "left hand, ring finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "left hand, middle finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "left hand, index finger lit")},
        {QT_TRANSLATE_NOOP("Accessibility", "right hand, little finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "right hand, ring finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "right hand, middle finger lit"),
         QT_TRANSLATE_NOOP("Accessibility", "right hand, index finger lit")}};
    if (picture >= kLittleFingerLit && picture < kFourFingers)
        return QCoreApplication::translate("Accessibility",
                                           fingers[left ? 0 : 1][picture - kLittleFingerLit]);
    if (picture == kFourFingers) {
        if (left)
            //: A hand picture's name for the screen reader.
            return QCoreApplication::translate("Accessibility", "left hand, four fingers lit");
        //: A hand picture's name for the screen reader.
        return QCoreApplication::translate("Accessibility", "right hand, four fingers lit");
    }
    if (picture == kThumbLit) {
        if (left)
            //: A hand picture's name for the screen reader.
            return QCoreApplication::translate("Accessibility", "left hand, thumb lit");
        //: A hand picture's name for the screen reader.
        return QCoreApplication::translate("Accessibility", "right hand, thumb lit");
    }
    if (left)
        //: A hand picture's name for the screen reader.
        return QCoreApplication::translate("Accessibility", "left hand");
    //: A hand picture's name for the screen reader.
    return QCoreApplication::translate("Accessibility", "right hand");
}

QString guideWords(const TypeState& s, const GuideModel& g, bool withLead) {
    const auto lead = [&s, withLead](const QString& words) {
        if (!withLead) return words;
        if (s.Typing == 1)
            //: What the guide marks, as the screen reader says it while the child types: %1
            //: is the key and its finger ("W, left ring finger").
            return QCoreApplication::translate("Accessibility", "Next: %1").arg(words);
        //: What the guide marks, as the screen reader says it in a lesson: %1 is the key and
        //: its finger ("W, left ring finger").
        return QCoreApplication::translate("Accessibility", "Marked: %1").arg(words);
    };
    //: What the guide marks: the space bar, pressed with a thumb.
    if (g.spaceBarMarked())
        return lead(QCoreApplication::translate("Accessibility", "Space, thumbs"));
    std::vector<int> keys;
    for (int k = kFirstKey; k < kAltGrKey; ++k)
        if (g.marked(k) && k != kLeftShiftKey && k != kRightShiftKey) keys.push_back(k);
    const bool altGr = g.marked(kAltGrKey);
    const bool leftShift = g.marked(kLeftShiftKey);
    const bool rightShift = g.marked(kRightShiftKey);
    const auto keyName = [&s](int k) {
        const QString words = keyWords(s, k);
        return words.section(QLatin1Char(','), 0, 0);
    };

    if (s.HomeShown != 0) {
        QStringList names;
        for (int k : keys)
            names << keyName(k);
        //: The home keys the guide marks, as the screen reader says them: %1 is the keys
        //: ("A S D F J K L ;").
        const QString home =
            QCoreApplication::translate("Accessibility", "%1, four fingers of each hand")
                .arg(names.join(QLatin1Char(' ')));
        if (!withLead) return home;
        //: %1 is the home keys and the fingers ("A S D F J K L ;, four fingers of each hand").
        return QCoreApplication::translate("Accessibility", "Home position: %1").arg(home);
    }
    if (keys.size() > 1) {
        QStringList names;
        for (int k : keys)
            names << keyName(k);
        return lead(names.join(listSeparator()));
    }
    // Shift first, with the little finger of its side; then the key with its own finger.
    QString shift;
    if (leftShift && rightShift)
        //: What to press first, as the screen reader says it.
        shift = QCoreApplication::translate("Accessibility", "Shift with both little fingers");
    else if (leftShift)
        //: What to press first, as the screen reader says it.
        shift = QCoreApplication::translate("Accessibility", "Shift with the left little finger");
    else if (rightShift)
        //: What to press first, as the screen reader says it.
        shift = QCoreApplication::translate("Accessibility", "Shift with the right little finger");
    if (altGr) {
        if (shift.isEmpty())
            //: What to press first, as the screen reader says it.
            shift = QCoreApplication::translate("Accessibility", "AltGr with the right thumb");
        else
            //: What to press first, as the screen reader says it: %1 is the Shift to hold
            //: ("Shift with the left little finger").
            shift =
                QCoreApplication::translate("Accessibility", "%1 and AltGr with the right thumb")
                    .arg(shift);
    }
    if (keys.empty()) return shift.isEmpty() ? QString() : lead(shift);

    const int k = keys.front();
    // An accent's dead key, or what AltGr types: the character asked for says which.
    const LayoutKeys::Place* asked =
        s.Typing == 1 ? placeOf(s, static_cast<int>(s.TargetKey)) : nullptr;
    const bool deadStep = asked != nullptr && asked->dead == k && s.DeadPressed == 0;
    QString what;
    QString finger;
    if (k == kEnterKey) {
        what = characterWords(kEnter);
        finger = fingerWords(kRightHand, kLittleFingerLit);
    } else {
        const KeyChars chars = charsOfKey(s, k);
        int c = !shift.isEmpty() && chars.shifted != 0 ? chars.shifted : chars.plain;
        if (asked != nullptr && (asked->altGr || asked->dead != 0) && (deadStep || asked->key == k))
            c = static_cast<int>(s.TargetKey);
        what = c != 0 ? characterWords(c) : keyName(k);
        if (deadStep)
            //: The key to press for an accent: %1 is the character it is for ("É").
            what = QCoreApplication::translate("Accessibility", "the accent key for %1").arg(what);
        finger = fingerWords(keyHandOf(s, k, 1), keyHandOf(s, k, 2));
    }
    QString words = what;
    if (!finger.isEmpty())
        //: The key to press and its finger: %1 is the key ("W"), %2 the finger ("left ring
        //: finger").
        words = QCoreApplication::translate("Accessibility", "%1, %2").arg(what, finger);
    if (!shift.isEmpty())
        //: What to press, in order: %1 is what to hold first ("Shift with the right little
        //: finger"), %2 the key and its finger ("W, left ring finger").
        words = QCoreApplication::translate("Accessibility", "%1, then %2").arg(shift, words);
    return lead(words);
}

void listenToAccessibility(FrmType& window, std::function<void(QAccessibleEvent*)> listener) {
    auto* a = dynamic_cast<Announcer*>(
        window.findChild<QObject*>(kAnnouncerName, Qt::FindDirectChildrenOnly));
    if (a != nullptr) a->listener = std::move(listener);
}

namespace {
Announcer* announcerOf(FrmType& window) {
    return dynamic_cast<Announcer*>(
        window.findChild<QObject*>(kAnnouncerName, Qt::FindDirectChildrenOnly));
}
} // namespace

void tellKeyTyped(FrmType& window, int code) {
    if (Announcer* a = announcerOf(window)) a->keyTyped(code);
}

void tellResultShown(FrmType& window, const QString& words) {
    if (Announcer* a = announcerOf(window)) a->resultShown(words);
}

void sayToScreenReader(FrmType& window, const QString& words) {
    sayToScreenReader(static_cast<QWidget&>(window), words);
}

void sayToScreenReader(QWidget& window, const QString& words) {
    auto* note = window.findChild<SpokenNote*>(kSpokenName, Qt::FindDirectChildrenOnly);
    if (note == nullptr) note = new SpokenNote(&window);
    // Kept where a test or Where Am I can read it; spoken as it shows.
    note->setAccessibleDescription(words);
    note->hide();
    if (!words.isEmpty()) note->show();
}

void describeChoice(QComboBox& box) {
    box.setAccessibleDescription(box.currentText());
    QObject::connect(&box, &QComboBox::currentTextChanged, &box, [&box](const QString& text) {
        box.setAccessibleDescription(text);
        // Orca says nothing of a new choice made by the arrow keys.
        if (box.hasFocus()) sayToScreenReader(*box.window(), text);
    });
}

void setUpAccessibility(FrmType& window, GuideModel& guide) {
    guide.setView(new Announcer(window));
    MainControls& c = controlsOf(window);

    // What has no caption of its own.
    //: The name for the screen reader of the start screen's frame of buttons.
    c.fraHelp->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Info, Help and Exit"));
    //: The name for the screen reader of the box the Timed Drill is typed in.
    c.txtTime->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Timed Drill typing"));
    //: The name for the screen reader of the box round the next character to type.
    c.shpChar->setAccessibleName(QCoreApplication::translate("Accessibility", "cursor box"));
    //: The name for the screen reader of the blue band behind the lesson and drill frames.
    c.shpLearn->setAccessibleName(QCoreApplication::translate("Accessibility", "backdrop"));
    setTabOrder(window);
}

} // namespace tapwell

#include "accessibility.moc"
