// The main window's size, and whether it was maximised or full screen, kept for the next
// start in the program's own options file beside tapwell1.ini: tapwell1.ini keeps its one
// line and its meaning.
#pragma once

#include <QString>

class QWidget;

namespace tapwell {

// tapwell.conf in the user's configuration folder for the program.
QString optionsFilePath();

void saveWindowSize(const QWidget* window);

// Before the window is first shown: the size kept (no larger than the screen, no smaller
// than the window allows), centred, maximised or full screen as it was left. Nothing
// kept, or nothing usable, leaves the window as it is.
void restoreWindowSize(QWidget* window);

} // namespace tapwell
