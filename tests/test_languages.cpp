// The program in every language it speaks: each screen's captions whole within their
// controls, Alt and a letter reaching one button of a screen, the lesson page's lines
// within the display, and a language changed while a screen is open said at once.
#include "harness.h"

#include "i18n/language.h"
#include "i18n/translation.h"
#include "ui/childframe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

namespace {

QString shown(const QString& text) {
    QString t = text;
    return t.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// What does not fit or clashes on the visible controls of window, named by the screen.
QStringList faults(QWidget& window, const QString& screen) {
    QStringList out;
    QMap<QKeySequence, QString> mnemonics;
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!b->isVisible() || b->text().isEmpty()) continue;
        const QKeySequence k = QKeySequence::mnemonic(b->text());
        if (!k.isEmpty()) {
            if (mnemonics.contains(k))
                out << QStringLiteral("%1: %2 and %3 share %4")
                           .arg(screen, mnemonics[k], b->text(), k.toString());
            mnemonics[k] = b->text();
        }
        int room = b->width() - 4;
        if (auto* box = qobject_cast<QCheckBox*>(b)) {
            // Where the box's own style puts its words.
            QStyleOptionButton option;
            option.initFrom(box);
            room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
        }
        // A key of the on-screen keyboard holds its letter; a word key may shrink its font.
        for (const QString& line : shown(b->text()).split(QLatin1Char('\n')))
            if (b->fontMetrics().horizontalAdvance(line) > room && b->width() > 60)
                out << QStringLiteral("%1: \"%2\" is %3 px in %4")
                           .arg(screen, line)
                           .arg(b->fontMetrics().horizontalAdvance(line))
                           .arg(room);
    }
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->wordWrap() || l->text().isEmpty() ||
            l->textFormat() == Qt::RichText)
            continue;
        for (const QString& line : shown(l->text()).split(QLatin1Char('\n')))
            if (l->fontMetrics().horizontalAdvance(line) > l->width())
                out << QStringLiteral("%1: label \"%2\" is %3 px in %4")
                           .arg(screen, line)
                           .arg(l->fontMetrics().horizontalAdvance(line))
                           .arg(l->width());
    }
    for (Frame* f : window.findChildren<Frame*>())
        if (f->isVisible() && f->fontMetrics().horizontalAdvance(f->caption()) > f->width() - 16)
            out << QStringLiteral("%1: frame \"%2\"").arg(screen, f->caption());
    return out;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    // The program's own style: the sizes are its.
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup() { useLanguage(QStringLiteral("en")); }

    void everyScreenFitsInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& l : languages())
            QTest::newRow(qPrintable(l)) << l;
    }

    void everyScreenFitsInEveryLanguage() {
        QFETCH(QString, language);
        QVERIFY(useLanguage(language));
        Fixture f;
        FrmType& w = f.w();
        ChildFrame child(&w, controlsOf(w).fraMenu);
        QStringList found = faults(w, QStringLiteral("menu"));
        w.cmdMenu_Click(kCharacterDrill);
        found << faults(w, QStringLiteral("character drill"));
        w.cmdOK_Click();
        f.typeText(controlsOf(w).picDisplay->printedLines().at(1) + QLatin1Char('\r'));
        found << faults(w, QStringLiteral("drill result"));
        w.cmdStop_Click(1);
        w.cmdMenu_Click(kTimedDrill);
        found << faults(w, QStringLiteral("timed drill"));
        w.cmdStop_Click(2);
        w.cmdMenu_Click(kLearnKeyboard);
        found << faults(w, QStringLiteral("lesson choices"));
        // Every page of every lesson: its lines within the display.
        for (int lesson = 0; lesson < 5; ++lesson) {
            w.cmdLearn_Click(lesson);
            for (int page = 0; page < 12 && controlsOf(w).cmdNext[1]->isVisible(); ++page) {
                found << faults(w, QStringLiteral("lesson %1 page %2").arg(lesson).arg(page));
                PictureBox* display = controlsOf(w).picDisplay;
                for (const QString& line : display->printedLines())
                    if (display->fontMetrics().horizontalAdvance(line) > display->width())
                        found << QStringLiteral("lesson %1 page %2: \"%3\"")
                                     .arg(lesson)
                                     .arg(page)
                                     .arg(line);
                w.cmdNext_Click(1);
            }
            w.cmdStop_Click(0);
            w.cmdMenu_Click(kLearnKeyboard);
        }
        found.removeDuplicates();
        for (const QString& fault : found)
            qInfo("%s: %s", qPrintable(language), qPrintable(fault));
        QVERIFY2(found.isEmpty(), "see the lines above");
    }

    void aNewLanguageIsSaidAtOnce() {
        Fixture f;
        FrmType& w = f.w();
        ChildFrame child(&w, controlsOf(w).fraMenu);
        const QString english = controlsOf(w).cmdMenu[0]->text();
        QCOMPARE(english, QStringLiteral("&Learn Keyboard"));
        for (const QString& l : languages()) {
            QVERIFY(useLanguage(l));
            // The windows hear of it as the event loop next turns.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            const QString translated =
                QCoreApplication::translate("tapwell::FrmType", "&Learn Keyboard");
            QCOMPARE(controlsOf(w).cmdMenu[0]->text(), translated);
            QCOMPARE(child.cmdChange->text(),
                     QCoreApplication::translate("tapwell::ChildFrame", "&Change"));
            if (l != QLatin1String("en")) QVERIFY2(translated != english, qPrintable(l));
        }
        QVERIFY(useLanguage(QStringLiteral("en")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(controlsOf(w).cmdMenu[0]->text(), english);
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
