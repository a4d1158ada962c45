// The keyboard layout the child has, as the typing path looks it up.
#pragma once

#include "state/keytables.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tapwell {

using Keys = std::shared_ptr<const LayoutKeys>;

// Null while the keyboard in use types as US QWERTY does (key.dat's keyboard, exactly as
// designed), else the layout's keys. Each call reads the X server's keymap again (through
// Qt's own connection: a fraction of a millisecond), so a layout changed while Tapwell
// runs is followed; without an X server, the system's keyboard setting. The same layout
// gives the same object. With accents, what AltGr and the dead keys type is asked for too.
std::function<Keys(bool accents)> keyboardInUse();

// A layout chosen by its XKB name ("de", "us(dvorak)"): null for one that types as US
// QWERTY; nothing for a name the desktop's data does not know. The same name gives the
// same object.
std::function<std::optional<Keys>(const QString& name, bool accents)> keyboardNamed();

} // namespace tapwell
