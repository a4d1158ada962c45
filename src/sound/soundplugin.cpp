// tapwell-sound.so: the sound on Qt Multimedia, made by the program when its main window
// first opens.
#include "soundplugin.h"

#include "qtsound.h"

#include <QObject>

namespace tapwell {

class QtSoundPlugin final : public QObject, public SoundPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TapwellSoundPlugin_iid)
    Q_INTERFACES(tapwell::SoundPlugin)
public:
    std::unique_ptr<SoundService> makeSound() override { return std::make_unique<QtSound>(); }
};

} // namespace tapwell

#include "soundplugin.moc"
