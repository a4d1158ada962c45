#include "keyboardinuse.h"

#include "layout/layoutkeys.h"
#include "layout/xkblayout.h"
#include "logging.h"

#include <QGuiApplication>

#include <optional>

namespace tapwell {

namespace {

class Follower {
public:
    std::shared_ptr<const LayoutKeys> operator()() {
        layout::LayoutSearch search;
        const auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 != nullptr)
            search.connection = x11->connection();
        else
            search.askXServer = false; // another windowing system: the system's setting
        layout::LayoutInUse found = layout::findLayoutInUse(search);
        if (last_ && found.layout.sameKeys(*last_)) return keys_;
        if (!us_) us_ = layout::layoutFromNames(layout::LayoutName{"us", {}});
        keys_ = us_ && found.layout.sameKeys(*us_) ? nullptr : layout::layoutKeysOf(found.layout);
        static const char* const sources[] = {"the X server", "the system's setting", "US"};
        qCDebug(lcShell).noquote() << "keyboard from" << sources[static_cast<int>(found.source)]
                                   << QString::fromStdString(found.layout.description())
                                   << QString::fromStdString(found.layout.name().text())
                                   << QString::fromStdString(found.why);
        // Named as XKB names it; a keymap the server was not set up with by name, by what it
        // is called.
        if (keys_ && keys_->name.empty()) {
            auto named = std::make_shared<LayoutKeys>(*keys_);
            named->name = found.layout.description();
            keys_ = std::move(named);
        }
        last_ = std::move(found.layout);
        return keys_;
    }

private:
    std::optional<layout::Layout> us_;
    std::optional<layout::Layout> last_;
    std::shared_ptr<const LayoutKeys> keys_;
};

class Chosen {
public:
    std::optional<Keys> operator()(const QString& name) {
        if (name == name_) return keys_;
        name_ = name;
        keys_ = std::nullopt;
        std::string why;
        const auto l = layout::layoutFromNames(layout::LayoutName::parse(name.toStdString()), &why);
        if (!us_) us_ = layout::layoutFromNames(layout::LayoutName{"us", {}});
        if (l) keys_ = us_ && l->sameKeys(*us_) ? nullptr : layout::layoutKeysOf(*l);
        if (!l) qCDebug(lcShell).noquote() << "keyboard" << name << "unknown:" << why.c_str();
        return keys_;
    }

private:
    QString name_;
    std::optional<layout::Layout> us_;
    std::optional<Keys> keys_;
};

} // namespace

std::function<std::optional<Keys>(const QString&)> keyboardNamed() {
    return [chosen = std::make_shared<Chosen>()](const QString& name) { return (*chosen)(name); };
}

std::function<std::shared_ptr<const LayoutKeys>()> keyboardInUse() {
    return [follower = std::make_shared<Follower>()] { return (*follower)(); };
}

} // namespace tapwell
