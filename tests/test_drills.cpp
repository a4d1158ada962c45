// Drill lines, the random row, finger and whole numbers, and the speed and accuracy
// results.
#include "drills/drilltext.h"
#include "drills/results.h"
#include "i18n/language.h"
#include "io/wordlist.h"
#include "shipped.h"

#include <QFile>
#include <QtTest>

#include <cmath>
#include <memory>
#include <set>
#include <tuple>

namespace tapwell {

namespace {

// A generator that always returns the same value.
class FixedRandom final : public Random {
public:
    explicit FixedRandom(float value) : value_(value) {}
    float next() override { return value_; }

private:
    float value_;
};

constexpr float kLargestBelowOne = 0.99999994f;

using test::stateWithKeyData;

// "home,bottom" -> the row boxes checked; sets RowCount as the menu keeps it.
RowChoice rows(TypeState& s, const QString& names) {
    const QStringList all = {"home", "top", "bottom", "number"};
    RowChoice checked{};
    s.RowCount = 0;
    for (const QString& n : names.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        checked[static_cast<std::size_t>(all.indexOf(n))] = true;
        ++s.RowCount;
    }
    return checked;
}

} // namespace

class TestDrills : public QObject {
    Q_OBJECT

private slots:
    void characterLine_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("useShift");
        QTest::newRow("only Home Row checked") << "home" << false;
        QTest::newRow("only Top Row checked, Shift") << "top" << true;
        QTest::newRow("only Number Row checked, Shift") << "number" << true;
        QTest::newRow("home and bottom") << "home,bottom" << false;
        QTest::newRow("all four, Shift") << "home,top,bottom,number" << true;
    }
    void characterLine() {
        QFETCH(QString, checked);
        QFETCH(bool, useShift);
        auto s = stateWithKeyData();
        s->Mode = kCharacterDrill;
        const RowChoice choice = rows(*s, checked);

        // The characters each checked row may give, unshifted.
        std::set<int> plain[5];
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= 12; ++p)
                if (const int c = s->RowChars(r, p); c != 0 && c != kEnter) plain[r].insert(c);

        int characters = 0, shifted = 0, fewestSpaces = 99, mostSpaces = 0;
        int perRow[6] = {};
        std::set<int> spaceAt;
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            SeededRandom random(seed);
            for (int line = 0; line < 5; ++line) {
                const std::string text = MakeDrillLine(*s, choice, useShift, random);
                QCOMPARE(text.size(), std::size_t{21});
                QCOMPARE(int{s->LineLen}, 21);
                QVERIFY2(text.front() != ' ' && text.back() != ' ', text.c_str());
                int spaces = 0;
                for (int i = 0; i < 21; ++i) {
                    const int c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
                    const int row = s->LineRows(i);
                    QCOMPARE(static_cast<int>(s->LineChars(i)), c);
                    if (c == ' ') {
                        QCOMPARE(row, 5);
                        ++spaces;
                        spaceAt.insert(i);
                        continue;
                    }
                    QVERIFY2(row >= 1 && row <= 4 && choice[static_cast<std::size_t>(row - 1)],
                             text.c_str());
                    QCOMPARE(lessonRowOf(*s, c), row);
                    ++characters;
                    ++perRow[row];
                    if (plain[row].count(c)) continue;
                    ++shifted;
                    bool fromRow = false;
                    for (int p : plain[row])
                        fromRow = fromRow || s->ShiftChar(p) == c;
                    QVERIFY2(useShift && fromRow, text.c_str());
                }
                fewestSpaces = std::min(fewestSpaces, spaces);
                mostSpaces = std::max(mostSpaces, spaces);
            }
        }
        QCOMPARE(fewestSpaces, 1);
        QCOMPARE(mostSpaces, 6);
        QCOMPARE(int(spaceAt.size()), 19); // every place from 1 to 19 gets a space sometimes
        const double share = double(shifted) / characters;
        if (useShift) QVERIFY2(share > 0.2 && share < 0.3, qPrintable(QString::number(share)));
        // Each checked row gives its fair share of the characters.
        for (int r = 1; r <= 4; ++r)
            if (choice[static_cast<std::size_t>(r - 1)]) {
                const double rowShare = double(perRow[r]) / characters;
                QVERIFY2(std::abs(rowShare - 1.0 / s->RowCount) < 0.05,
                         qPrintable(QString::number(rowShare)));
            }
    }

    void wordLine_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("useShift");
        QTest::newRow("only Home Row checked") << "home" << false;
        QTest::newRow("only Top Row checked, Shift") << "top" << true;
        QTest::newRow("home and top, Shift") << "home,top" << true;
        QTest::newRow("all three") << "home,top,bottom" << false;
    }
    void wordLine() {
        QFETCH(QString, checked);
        QFETCH(bool, useShift);
        auto s = stateWithKeyData();
        s->Mode = kWordDrill;
        const RowChoice choice = rows(*s, checked);
        std::set<QString> words;
        for (int r = 1; r <= 3; ++r)
            if (choice[static_cast<std::size_t>(r - 1)])
                for (int n = 1; n <= 30; ++n)
                    words.insert(QString::fromStdString(s->WordList(r, n)));

        int wordCount = 0, capitals = 0;
        for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
            SeededRandom random(seed);
            const std::string text = MakeDrillLine(*s, choice, useShift, random);
            const QString line = QString::fromStdString(text);
            const QStringList three = line.split(QLatin1Char(' '));
            QCOMPARE(three.size(), 3);
            QCOMPARE(int{s->LineLen}, int(text.size()));
            QVERIFY(s->LineLen <= 40);
            for (QString w : three) {
                ++wordCount;
                if (w.at(0).isUpper()) {
                    ++capitals;
                    QVERIFY2(useShift, qPrintable(line));
                    w[0] = w.at(0).toLower();
                }
                QVERIFY2(words.count(w), qPrintable(line)); // a word of a checked row
            }
            for (int i = 0; i < s->LineLen; ++i) {
                const int c = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
                QCOMPARE(static_cast<int>(s->LineChars(i)), c);
                QCOMPARE(int{s->LineRows(i)}, c == ' ' ? 5 : lessonRowOf(*s, c));
                QVERIFY(s->LineRows(i) >= 1);
            }
        }
        const double share = double(capitals) / wordCount;
        if (useShift) QVERIFY2(share > 0.2 && share < 0.3, qPrintable(QString::number(share)));
    }

    void pickRow_data() {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<float>("value"); // what a fixed generator returns; -1: 1000 seeded draws
        QTest::addColumn<int>("row");
        QTest::newRow("only Home Row checked") << "home" << -1.0f << 1;
        QTest::newRow("only Top Row checked") << "top" << -1.0f << 2;
        QTest::newRow("only Number Row checked") << "number" << -1.0f << 4;
        QTest::newRow("no row checked") << "" << -1.0f << 1;
        QTest::newRow("all four, 0") << "home,top,bottom,number" << 0.0f << 1;
        QTest::newRow("all four, just below 1")
            << "home,top,bottom,number" << kLargestBelowOne << 4;
        QTest::newRow("top and bottom, just below 1") << "top,bottom" << kLargestBelowOne << 3;
        QTest::newRow("home and top, exactly 1") << "home,top" << 1.0f << 2;
    }
    void pickRow() {
        QFETCH(QString, checked);
        QFETCH(float, value);
        QFETCH(int, row);
        auto s = stateWithKeyData();
        const RowChoice choice = rows(*s, checked);
        SeededRandom seeded(7);
        FixedRandom fixed(value);
        Random& random = value < 0 ? static_cast<Random&>(seeded) : fixed;
        for (int i = 0; i < 1000; ++i) {
            PickRow(*s, choice, random);
            QCOMPARE(int{s->Row}, row);
        }
    }

    void randomWholeStaysInRange_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("whole");
        QTest::newRow("0 of 12") << 0.0f << 12 << 1;
        QTest::newRow("just below 1 of 12") << kLargestBelowOne << 12 << 12;
        QTest::newRow("just below 1 of 30") << kLargestBelowOne << 30 << 30;
        QTest::newRow("just below 1 of 1") << kLargestBelowOne << 1 << 1;
        QTest::newRow("exactly 1 of 6") << 1.0f << 6 << 6;
        QTest::newRow("one half of 2") << 0.5f << 2 << 2;
        QTest::newRow("just below one half of 2") << 0.49999997f << 2 << 1;
    }
    void randomWholeStaysInRange() {
        QFETCH(float, value);
        QFETCH(int, n);
        QFETCH(int, whole);
        FixedRandom random(value);
        QCOMPARE(randomWhole(random, n), whole);
    }

    void practiceFinger() {
        auto s = stateWithKeyData();
        const RowChoice choice = rows(*s, QStringLiteral("top,number"));
        for (bool useShift : {false, true}) {
            std::set<std::tuple<int, int, int, int>> seen;
            SeededRandom random(3);
            for (int i = 0; i < 2000; ++i) {
                PickPracticeFinger(*s, choice, useShift, random);
                QVERIFY(s->Row == 2 || s->Row == 4);
                QVERIFY(s->Hand >= 1 && s->Hand <= 2 && s->Finger >= 1 && s->Finger <= 4);
                QVERIFY(s->ShiftLevel == 0 || (useShift && s->ShiftLevel == 4));
                seen.insert({s->Row, s->Hand, s->Finger, s->ShiftLevel});
            }
            QCOMPARE(int(seen.size()), useShift ? 32 : 16); // every choice comes up
        }
    }

    void speedAndAccuracy() {
        // 750 ms are allowed for the first look; a line within them counts as 1 ms.
        QCOMPARE(countedMs(1000, 5750), std::int64_t{4000});
        QCOMPARE(countedMs(0, 750), std::int64_t{1});
        QCOMPARE(countedMs(9000, 1000), std::int64_t{1});
        QCOMPARE(speedText(20, 4000), std::string("60 words per minute"));
        QCOMPARE(speedText(20, countedMs(0, 4750)), std::string("60 words per minute"));
        QCOMPARE(speedText(150, countedMs(0, 30750)), std::string("60 words per minute"));
        QCOMPARE(speedText(21, countedMs(0, 700)), std::string("252000 words per minute"));
        QCOMPARE(accuracyText(22, 2), std::string("92% accuracy"));
        QCOMPARE(accuracyText(21, 0), std::string("100% accuracy"));
        QCOMPARE(accuracyText(2, 1), std::string("67% accuracy"));
        QCOMPARE(accuracyText(1, 7), std::string("13% accuracy"));  // 12.5 rounds up
        QCOMPARE(accuracyText(0, 0), std::string("100% accuracy")); // no keystroke
        // "##0": whole numbers, halves away from zero, no thousands separator.
        const std::pair<double, const char*> shown[] = {
            {0.49, "0"}, {0.5, "1"}, {1.5, "2"}, {2.5, "3"}, {99.5, "100"}, {12345.4, "12345"}};
        for (const auto& [value, text] : shown)
            QCOMPARE(formatWhole(value), std::string(text));
    }

    void wordFilesAndLanguages() {
        // Notes, blank lines, CR LF, doubles, spaces, broken UTF-8, words too long to fit.
        const LanguageWords w = readWordList(
            "# notes\r\nöl\r\n\nals\nöl\ntwo words\n\xC3\nlag\xFF\nabcdefghij\nlag", "de");
        QCOMPARE(w.words, (std::vector<std::u32string>{U"öl", U"als", U"lag"}));
        const std::pair<QStringList, const char*> locales[] = {
            {{"de-DE", "en-US"}, "de"}, {{"pt-BR"}, "pt_BR"}, {{"pt-PT"}, "pt_BR"},
            {{"nn-NO"}, "nb"},          {{"nb"}, "nb"},       {{"tr-TR", "fr-CA"}, "fr"},
            {{"tr-TR"}, "en"},          {{}, "en"},           {{"C"}, "en"}};
        for (const auto& [ui, language] : locales)
            QCOMPARE(languageFor(ui), QString::fromLatin1(language));
    }

    void wordsOfTheChildsLanguage() {
        // German words on the US keyboard: only those it types; on the German one, its
        // home row's words too. English on US stays key.dat's.
        auto s = test::stateWithKeyData();
        s->Mode = kWordDrill;
        for (const char* language : {"en", "de", "fr", "es", "it", "pt_BR", "nb"}) {
            const QByteArray bytes = test::shippedWords(language);
            QVERIFY2(!bytes.isEmpty(), language);
            s->words =
                std::make_shared<const LanguageWords>(readWordList(bytes.toStdString(), language));
            QCOMPARE(designedWords(*s), std::string(language) == "en");
            if (designedWords(*s)) continue;
            const RowChoice homeAndTop = {true, true, false, false};
            QVERIFY2(!tooFewWords(*s, homeAndTop), language);
            SeededRandom random(11);
            for (int n = 0; n < 10; ++n) {
                const std::string line = MakeDrillLine(*s, homeAndTop, true, random);
                for (int i = 0; i < s->LineLen; ++i) {
                    const int row = lessonRowOf(*s, static_cast<int>(s->LineChars(i)));
                    QVERIFY2(row == kHomeRow || row == kTopRow || row == kSpaceRow, line.c_str());
                }
            }
        }
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestDrills)
#include "test_drills.moc"
