// tapwell-sound.so: the sound on Qt Multimedia, made by the program when its main window
// first opens.
#include "qtsound.h"

extern "C" Q_DECL_EXPORT tapwell::SoundService* tapwell_make_sound_service() {
    return new tapwell::QtSound;
}
