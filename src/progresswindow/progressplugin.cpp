// tapwell-progress.so: "My Progress", made by the program the first time a child opens it.
#include "progressplugin.h"

#include "progresswindow.h"

#include <QObject>

namespace tapwell {

class ProgressWindowPlugin final : public QObject, public ProgressPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TapwellProgressPlugin_iid)
    Q_INTERFACES(tapwell::ProgressPlugin)
public:
    ProgressView* makeView(const ProgressHost& host) override { return new ProgressWindow(host); }
};

} // namespace tapwell

#include "progressplugin.moc"
