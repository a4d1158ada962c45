#include "plugins.h"

#include "speech/speechplugin.h"

#include "logging.h"
#include "sound/soundplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>

namespace tapwell {

namespace {

// The plug-in `fileName` ("tapwell-sound.so") as the interface T, from `path` when one is
// given, else from the usual places. It stays loaded for the rest of the run. nullptr
// when it cannot be had; why then says so in words.
template <typename T> T* loadPlugin(const char* fileName, const QString& path, QString& why) {
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QLatin1String(fileName);
    const QStringList places =
        !path.isEmpty()
            ? QStringList{path}
            : QStringList{QDir(here).filePath(name),
                          QDir(here).filePath(QStringLiteral("../lib/tapwell/") + name)};
    why.clear();
    for (const QString& place : places) {
        if (!QFile::exists(place)) continue;
        QPluginLoader loader(place);
        // Every name resolved now: a plug-in from another build of Tapwell fails here, in
        // words, rather than at its first call.
        loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (T* plugin = qobject_cast<T*>(loader.instance())) {
            qCDebug(lcPlugins).noquote() << "loaded" << QDir::cleanPath(place);
            return plugin;
        }
        why = loader.errorString();
        if (loader.isLoaded())
            //: Why a part of Tapwell cannot be loaded. %1 is the file's path.
            why = QCoreApplication::translate("Plugins", "%1 is not a plug-in of this Tapwell")
                      .arg(place);
        qCDebug(lcPlugins).noquote() << "cannot load" << place << why;
    }
    if (why.isEmpty())
        //: Why a part of Tapwell cannot be loaded. %1 is the file's name: "tapwell-sound.so".
        why = QCoreApplication::translate("Plugins", "%1 is not installed").arg(name);
    return nullptr;
}

// Without its plug-in the program still runs: every key is silent, and a sound played
// to its end returns at once.
class SilentSound final : public SoundService {
public:
    void preload(const std::vector<std::string>&) override {}
    void stop() override {}
    void play(const std::string&, WaveFlags) override {}
};

} // namespace

std::unique_ptr<SoundService> loadSoundService(QString& why, const QString& path) {
    if (auto* plugin = loadPlugin<SoundPlugin>("tapwell-sound.so", path, why))
        return plugin->makeSound();
    return std::make_unique<SilentSound>();
}

std::unique_ptr<Voice> loadVoice(QString& why, const QString& path) {
    if (auto* plugin = loadPlugin<SpeechPlugin>("tapwell-speech.so", path, why))
        return plugin->makeVoice();
    return nullptr;
}

ProgressView* loadProgressView(const ProgressHost& host, QString& error, const QString& path) {
    QString why;
    if (auto* plugin = loadPlugin<ProgressPlugin>("tapwell-progress.so", path, why))
        return plugin->makeView(host);
    qCDebug(lcPlugins).noquote() << why;
    //: A message when My Progress is asked for. %1 is why the part cannot be loaded: "… is not
    //: installed".
    error = QCoreApplication::translate("Plugins",
                                        "Tapwell cannot load the part of it that draws \"My "
                                        "Progress\": %1. Installing Tapwell again will mend it.")
                .arg(why);
    return nullptr;
}

} // namespace tapwell
