#include "keyboardinuse.h"

#include "layout/layoutkeys.h"
#include "layout/xkblayout.h"
#include "logging.h"

#include <QGuiApplication>

#include <optional>

namespace tapwell {

namespace {

// What the typing path asks of l: nothing (key.dat's tables) where it types as US QWERTY.
Keys keysOf(const layout::Layout& l, bool accents) {
    static const std::optional<layout::Layout> us =
        layout::layoutFromNames(layout::LayoutName{"us", {}});
    return us && l.sameKeys(*us) ? nullptr : layout::layoutKeysOf(l, accents);
}

class Follower {
public:
    Keys operator()(bool accents) {
        layout::LayoutSearch search;
        const auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 != nullptr)
            search.connection = x11->connection();
        else
            search.askXServer = false; // another windowing system: the system's setting
        layout::LayoutInUse found = layout::findLayoutInUse(search);
        if (last_ && found.layout.sameKeys(*last_) && accents == accents_) return keys_;
        keys_ = keysOf(found.layout, accents);
        accents_ = accents;
        static const char* const sources[] = {"the X server", "the system's setting", "US"};
        qCDebug(lcShell).noquote() << "keyboard from" << sources[static_cast<int>(found.source)]
                                   << QString::fromStdString(found.layout.description())
                                   << QString::fromStdString(found.layout.name().text())
                                   << QString::fromStdString(found.why);
        last_ = std::move(found.layout);
        return keys_;
    }

private:
    std::optional<layout::Layout> last_;
    bool accents_ = false;
    Keys keys_;
};

class Chosen {
public:
    std::optional<Keys> operator()(const QString& name, bool accents) {
        if (name == name_ && accents == accents_ && read_) return keys_;
        name_ = name;
        accents_ = accents;
        read_ = true;
        std::string why;
        const auto l = layout::layoutFromNames(layout::LayoutName::parse(name.toStdString()), &why);
        keys_ = l ? std::optional<Keys>(keysOf(*l, accents)) : std::nullopt;
        if (!l) qCDebug(lcShell).noquote() << "keyboard" << name << "unknown:" << why.c_str();
        return keys_;
    }

private:
    QString name_;
    bool accents_ = false;
    bool read_ = false;
    std::optional<Keys> keys_;
};

} // namespace

std::function<std::optional<Keys>(const QString&, bool)> keyboardNamed() {
    return [chosen = std::make_shared<Chosen>()](const QString& name, bool accents) {
        return (*chosen)(name, accents);
    };
}

std::function<Keys(bool)> keyboardInUse() {
    return [follower = std::make_shared<Follower>()](bool accents) { return (*follower)(accents); };
}

} // namespace tapwell
