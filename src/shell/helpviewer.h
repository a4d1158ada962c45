// Our help viewer: the help file, opened at its contents.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace tapwell {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();
    void openContents(const QString& file);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace tapwell
