// The main window for a child who listens rather than looks, and for one who uses the
// keyboard alone. Qt carries accessible interfaces to the desktop's screen reader; our
// own controls get theirs here: the text display reads its lines as text, each on-screen
// key is a button named by its characters, the hands say which finger is lit, and the
// keyboard describes in words what to press next, all kept up to date as they change.
// The keyboard alone reaches every control in the order they stand on the screen.
#pragma once

#include <QString>

#include <functional>

class QAccessibleEvent;
class QComboBox;
class QWidget;

namespace tapwell {

class FrmType;
class GuideModel;
struct KeyTables;
struct TypeState;

// What a screen reader says for a character: "F", "7", "exclamation mark", "Space",
// "Enter".
QString characterWords(int c);

// A line spelled out, a run of spaces counted: "apostrophe, D, L, space, S, five spaces,
// S".
QString spelledLine(const QString& line);

// An on-screen key by what it types: "1, exclamation mark", "Q", "semicolon, colon",
// "Enter", "Shift". Empty when the tables know no character for it.
QString keyWords(const KeyTables& t, int key);

// A hand picture: hand 1 left, 2 right; picture as the guide numbers them (0 plain,
// 1..4 little..index finger lit, 5 four fingers, 6 thumb): "left hand, index finger lit".
QString handWords(int hand, int picture);

// The finger of a hand picture, as a screen reader says it: "left index finger", "right
// thumb"; empty for the pictures that light no one finger.
QString fingerWords(int hand, int picture);

// What the guide shows, in words: "Next: F, left index finger"; "Next: Shift with the
// right little finger, then A, left little finger"; the home position; empty when nothing
// is marked. "Next" while a key is awaited, "Marked" when the keyboard only shows.
// Without its lead ("Next: ", "Home position: "): only what to press.
QString guideWords(const TypeState& s, const GuideModel& guide, bool withLead = true);

// Sets the main window up for screen readers and the keyboard: the interfaces of our
// controls (installed once per program), names for what has no caption, a Tab order that
// follows the screen, Ctrl+Tab out of the places where Tab is typed, and the accessibility
// events as the display, the guide and the results change. The guide's view goes on
// being told of every change first.
void setUpAccessibility(FrmType& window, GuideModel& guide);

// Says the words through the screen reader once, now, while the keyboard focus stays
// where it is (a notification, which Orca speaks as "notification …").
void sayToScreenReader(FrmType& window, const QString& words);
// The same for another window of ours (My Progress).
void sayToScreenReader(QWidget& window, const QString& words);

// A closed choice box's choice, as a screen reader reads it: Orca reads a box without a
// selection of its own by its description, so the choice is kept there too, and a new
// choice made from the keyboard is said.
void describeChoice(QComboBox& box);

// What the window tells the screen reader's sentences of: a key as it is typed (before it
// is judged), a result as it is shown. Each step says one sentence at most.
void tellKeyTyped(FrmType& window, int code);
void tellResultShown(FrmType& window, const QString& words);

// Hears every event the window sends the screen reader, as it is sent, in this process:
// without a screen reader on the desktop Qt passes none on.
void listenToAccessibility(FrmType& window, std::function<void(QAccessibleEvent*)> listener);

} // namespace tapwell
