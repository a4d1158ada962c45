#include "harness.h"

#include "io/settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace tapwell::test {

BoxCloser::BoxCloser() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            ++boxes;
            box->accept();
        }
    });
    timer.start(0);
}

std::string dataDir() {
    return std::string(TAPWELL_TEST_DATA_DIR) + "/";
}

Fixture::Fixture(const std::string& settings, std::uint32_t seed) {
    g.AppPath = dataDir();
    std::string error;
    if (!parseSettings(settings, g, error))
        qFatal("bad settings line in a test: %s", error.c_str());
    window = std::make_unique<FrmType>(g, Services{&clock, &random, &sound, &pause}, &shell);
    if (!window->Form_Load(error)) qFatal("the main window did not load: %s", error.c_str());
    random.reseed(seed);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
}

Fixture::~Fixture() = default;

void Fixture::type(int code) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = window.get();
    if (code == kEnter)
        QTest::keyClick(target, Qt::Key_Return);
    else if (code == kBackspace)
        QTest::keyClick(target, Qt::Key_Backspace);
    else
        QTest::keyClicks(target, QString(QChar(code)));
}

void Fixture::typeText(const QString& text) {
    for (QChar c : text)
        type(c.unicode());
}

void Fixture::click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

std::vector<int> Fixture::markedKeys() const {
    std::vector<int> keys;
    for (int k = kFirstKey; k <= kLastKey; ++k)
        if (!controlsOf(*window).cmdKey(k)->picture().isNull()) keys.push_back(k);
    return keys;
}

QString Fixture::leftHand() const {
    return controlsOf(*window).imgHand[0]->picture().name();
}
QString Fixture::rightHand() const {
    return controlsOf(*window).imgHand[1]->picture().name();
}
QStringList Fixture::display() const {
    return controlsOf(*window).picDisplay->printedLines();
}

} // namespace tapwell::test
