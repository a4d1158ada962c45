// tapwell-speech.so: the voice on Qt TextToSpeech, made by the program once its main window
// shows.
#include "speechplugin.h"

#include "qtvoice.h"

#include <QObject>

namespace tapwell {

class QtSpeechPlugin final : public QObject, public SpeechPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TapwellSpeechPlugin_iid)
    Q_INTERFACES(tapwell::SpeechPlugin)
public:
    std::unique_ptr<Voice> makeVoice() override { return std::make_unique<QtVoice>(); }
};

} // namespace tapwell

#include "speechplugin.moc"
