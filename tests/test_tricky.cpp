// Tricky Keys lines, drawn with a seeded generator on known records.
#include "drills/trickykeys.h"
#include "shipped.h"

#include <QtTest>

using namespace tapwell;

namespace {

const RowChoice kHomeAndTop{true, true, false, false};

// Every key of the home and top rows, each at the weight and security given.
TrickyRecord everyKey(const TypeState& s, double weight, bool secure) {
    TrickyRecord r;
    for (int row : {kHomeRow, kTopRow})
        for (int p = 1; p <= 12; ++p)
            if (const int c = s.RowChars(row, p); c != 0 && c != kEnter)
                r[keyIndexOf(s, c)] = {weight, secure};
    return r;
}

// How often each character stands in n lines.
std::map<int, int> countChars(TypeState& s, const TrickyRecord& record, int n, bool shift = false) {
    SeededRandom random(42);
    std::map<int, int> counts;
    s.RowCount = 2;
    s.Mode = kCharacterDrill;
    for (int i = 0; i < n; ++i) {
        const TrickyLine line = MakeTrickyLine(s, kHomeAndTop, shift, random, record);
        for (char c : line.text)
            ++counts[c];
    }
    return counts;
}

} // namespace

class TestTricky : public QObject {
    Q_OBJECT
private slots:
    void keysOftenMissedStandTwiceAsOften();
    void everyLineKeepsItsCaps();
    void noRecordOrAllSecureGivesPlainLines_data();
    void noRecordOrAllSecureGivesPlainLines();
    void practisedMostNamesTheKeysDrawnMost();
};

void TestTricky::keysOftenMissedStandTwiceAsOften() {
    auto s = test::stateWithKeyData();
    TrickyRecord record = everyKey(*s, 0.05, false);
    record[keyIndexOf(*s, 'w')] = {61.0 / 110, false}; // missed 60 of its last 100
    record[keyIndexOf(*s, 'k')] = {41.0 / 110, false};
    const auto tricky = countChars(*s, record, 400);
    const auto plain = countChars(*s, {}, 400);
    QVERIFY2(tricky.at('w') >= 2 * plain.at('w'),
             qPrintable(QStringLiteral("w: %1 vs %2").arg(tricky.at('w')).arg(plain.at('w'))));
    QVERIFY(tricky.at('k') >= 2 * plain.at('k'));
    // The uniform half keeps every key of the rows in the lines.
    for (int row : {kHomeRow, kTopRow})
        for (int p = 1; p <= 12; ++p)
            if (const int c = s->RowChars(row, p); c != 0 && c != kEnter)
                QVERIFY2(tricky.count(c) && tricky.at(c) > 0, qPrintable(QString(QChar(c))));
}

void TestTricky::everyLineKeepsItsCaps() {
    auto s = test::stateWithKeyData();
    TrickyRecord record = everyKey(*s, 0.01, false);
    record[keyIndexOf(*s, 'a')] = {0.95, false}; // a key that would take the whole line
    SeededRandom random(7);
    s->RowCount = 2;
    s->Mode = kCharacterDrill;
    for (int n = 0; n < 300; ++n) {
        const TrickyLine line = MakeTrickyLine(*s, kHomeAndTop, true, random, record);
        QCOMPARE(int(line.text.size()), kCharacterLineLength);
        QCOMPARE(int(s->LineLen), kCharacterLineLength);
        QVERIFY(line.text.front() != ' ' && line.text.back() != ' ');
        std::map<int, int> perKey;
        for (std::size_t i = 0; i < line.text.size(); ++i) {
            const int c = line.text[i];
            QCOMPARE(int(s->LineChars(static_cast<int>(i))), c);
            if (c != ' ') ++perKey[keyIndexOf(*s, c)];
            if (i >= 2)
                QVERIFY2(!(line.text[i - 1] == c && line.text[i - 2] == c), line.text.c_str());
        }
        for (const auto& [key, count] : perKey)
            QVERIFY2(count <= kTrickyMaxPerKey, line.text.c_str());
    }
}

void TestTricky::noRecordOrAllSecureGivesPlainLines_data() {
    QTest::addColumn<bool>("record");
    QTest::addColumn<bool>("secure");
    QTest::newRow("a child with no record") << false << false;
    QTest::newRow("every key secure") << true << true;
}

void TestTricky::noRecordOrAllSecureGivesPlainLines() {
    QFETCH(bool, record);
    QFETCH(bool, secure);
    auto s = test::stateWithKeyData();
    s->RowCount = 2;
    s->Mode = kCharacterDrill;
    const TrickyRecord r = record ? everyKey(*s, 0.02, secure) : TrickyRecord{};
    SeededRandom a(11), b(11);
    for (int n = 0; n < 20; ++n) {
        const TrickyLine line = MakeTrickyLine(*s, kHomeAndTop, true, a, r);
        QCOMPARE(line.text, MakeDrillLine(*s, kHomeAndTop, true, b)); // the Character Drill's line
        QCOMPARE(line.allSecure, secure);
        QVERIFY(!line.fromRecord && line.practisedMost.empty());
    }
}

void TestTricky::practisedMostNamesTheKeysDrawnMost() {
    auto s = test::stateWithKeyData();
    TrickyRecord record = everyKey(*s, 0.001, false);
    record[keyIndexOf(*s, 'w')] = {0.9, false};
    SeededRandom random(3);
    s->RowCount = 2;
    s->Mode = kCharacterDrill;
    const TrickyLine line = MakeTrickyLine(*s, kHomeAndTop, false, random, record);
    QVERIFY(line.fromRecord);
    QCOMPARE(line.practisedMost.front(), keyIndexOf(*s, 'w'));
    QVERIFY(line.practisedMost.size() <= 3);
    // Only keys that came up more often than the line's keys on average are named.
    std::map<int, int> counts;
    for (char c : line.text)
        if (c != ' ') ++counts[keyIndexOf(*s, c)];
    int total = 0;
    for (const auto& [key, n] : counts)
        total += n;
    for (int key : line.practisedMost)
        QVERIFY(counts.at(key) * int(counts.size()) > total);
    QCOMPARE(practisedText(*s, {keyIndexOf(*s, 'w'), keyIndexOf(*s, 's'), keyIndexOf(*s, ';')}),
             std::string("Practised: W S ;"));
}

QTEST_MAIN(TestTricky)
#include "test_tricky.moc"
