// "Talk to me": what Tapwell says aloud, and when, with a voice that records it.
#include "harness.h"

#include "i18n/translation.h"
#include "services/voice.h"
#include "state/say.h"

#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

namespace {

struct RecordingVoice final : Voice {
    QStringList said;
    QString language;
    void say(const std::string& text, const std::string& lang) override {
        said << QString::fromStdString(text);
        language = QString::fromStdString(lang);
    }
    void stop() override {}
};

} // namespace

class TestTalk : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { useLanguage(QStringLiteral("en")); }

    void aDrillLineAloud() {
        Fixture f;
        RecordingVoice voice;
        FrmType& w = f.w();
        w.core().setVoice(&voice, "en");
        w.cmdMenu_Click(kCharacterDrill);
        QCOMPARE(voice.said.value(0),
                 QStringLiteral("Put your fingers on the yellow keys, then press Enter."));
        w.cmdOK_Click();
        const QString line = f.display().at(1);
        // The first key with its finger, as a child says it.
        const QChar first = line.at(0);
        QVERIFY2(voice.said.last().startsWith(QString(first.toUpper()) + QLatin1Char('.')),
                 qPrintable(voice.said.last()));
        QVERIFY(voice.said.last().endsWith(QLatin1String("finger.")));
        // A wrong key: the key wanted, once; not the wrong one.
        const int before = int(voice.said.size());
        f.type(first == QLatin1Char('a') ? 's' : 'a');
        f.type(first == QLatin1Char('a') ? 's' : 'a');
        QCOMPARE(voice.said.size(), before + 1);
        QCOMPARE(voice.said.last(), voice.said.at(before - 1));
        // Each right key moves the voice on; the line's end praises and counts.
        f.typeText(line + QLatin1Char('\r'));
        QVERIFY(voice.said.size() > before + line.size() - 2);
        QCOMPARE(
            voice.said.last(),
            QStringLiteral("Well done! %1 of %2 right.").arg(line.size() + 1).arg(line.size() + 3));
        // Back on the menu, what to do there.
        Fixture::click(controlsOf(w).cmdStop[1]);
        QCOMPARE(voice.said.last(), QStringLiteral("Choose a game."));
    }

    void silentWithoutAVoiceAndInTheChildsLanguage() {
        Fixture f;
        RecordingVoice voice;
        f.w().cmdMenu_Click(kCharacterDrill);
        f.w().cmdOK_Click();
        QVERIFY(voice.said.isEmpty());
        QVERIFY(useLanguage(QStringLiteral("de")));
        f.w().core().setVoice(&voice, "de");
        f.w().cmdMenu_Click(kWordDrill);
        QCOMPARE(voice.language, QStringLiteral("de"));
        QCOMPARE(voice.said.value(0).toStdString(),
                 say("Talk", "Put your fingers on the yellow keys, then press Enter."));
        QVERIFY(voice.said.value(0) !=
                QStringLiteral("Put your fingers on the yellow keys, then press Enter."));
    }

    void aLessonPageIsReadAloud() {
        Fixture f;
        RecordingVoice voice;
        f.w().core().setVoice(&voice, "en");
        f.w().cmdMenu_Click(kLearnKeyboard);
        f.w().cmdLearn_Click(0);
        QVERIFY2(voice.said.last().startsWith(QLatin1String("This program concentrates on")),
                 qPrintable(voice.said.last()));
        QVERIFY(!voice.said.last().contains(QLatin1Char('\n')));
    }
};

QTEST_MAIN(TestTalk)
#include "test_talk.moc"
