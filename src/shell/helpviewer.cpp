#include "helpviewer.h"

#include "io/regularfile.h"

#include <QFile>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tapwell {

namespace {
// Our help is a few pages of text; a file of megabytes is not it.
constexpr std::size_t kMaxHelpBytes = 4 * 1024 * 1024;
} // namespace

HelpViewer::HelpViewer() : QWidget(nullptr) {
    setWindowTitle(tr("Tapwell Help"));
    resize(560, 520);
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_);
    auto* close = new QPushButton(tr("&Close"), this);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
}

void HelpViewer::openContents(const QString& file) {
    std::string bytes, error;
    if (readRegularFile(QFile::encodeName(file).toStdString(), kMaxHelpBytes, bytes, error)) {
        browser_->setHtml(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    } else {
        //: HTML: %1 is the help file, %2 why it could not be opened, as the system says it.
        browser_->setHtml(
            tr("<h2>The help is missing</h2><p>Tapwell could not open its help file "
               "<tt>%1</tt>: %2.</p>")
                .arg(file.toHtmlEscaped(), QString::fromStdString(error).toHtmlEscaped()));
    }
    browser_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

} // namespace tapwell
