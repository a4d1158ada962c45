// The key data reader and the tables built from key.dat, on files written in the test
// from the shipped data/key.dat, and the shipped file itself.
#include "files.h"
#include "io/regularfile.h"
#include "shipped.h"
#include "state/keytables.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace tapwell {

namespace {

QByteArray shippedFile() {
    return test::shippedKeyData();
}

// The shipped key.dat's 850 values as written, quotes kept (it has no quoted commas).
const std::vector<std::string>& shipped() {
    static const std::vector<std::string> values = [] {
        std::vector<std::string> out(1);
        for (char c : shippedFile().toStdString()) {
            if (c == ',' || c == '\n')
                out.emplace_back();
            else
                out.back().push_back(c);
        }
        out.pop_back(); // after the final line end
        return out;
    }();
    return values;
}

using Replacements = std::map<int, std::string>; // 1-based value number -> text

// The shipped values written back joined by sep, value n replaced by replace[n], only
// the first `keep` values, no separator at the end.
QByteArray keyDat(const Replacements& replace = {}, const std::string& sep = "\n",
                  int keep = kKeyDataValues) {
    std::string text;
    for (int n = 1; n <= keep; ++n) {
        const auto it = replace.find(n);
        text +=
            (n > 1 ? sep : "") + (it != replace.end() ? it->second : shipped()[std::size_t(n - 1)]);
    }
    return QByteArray::fromStdString(text);
}

std::string unquoted(const std::string& v) {
    return v.substr(1, v.size() - 2);
}

bool load(const QByteArray& bytes, KeyTables& t, KeyDataError& error) {
    return readKeyData(bytes.toStdString(), t, error);
}

std::unique_ptr<KeyTables> shippedTables() {
    auto t = std::make_unique<KeyTables>();
    t->RowTop(1) = 1320; // as the window fills it before the load
    KeyDataError error;
    if (!load(shippedFile(), *t, error)) qWarning("%s", error.message().c_str());
    return t;
}

} // namespace

class TestKeyData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(shipped().size(), std::size_t{kKeyDataValues});
        auto t = std::make_unique<KeyTables>();
        KeyDataError error;
        QVERIFY2(load(shippedFile(), *t, error), error.message().c_str());
    }

    void layoutsLoadEqualTables_data() {
        QTest::addColumn<QByteArray>("file");
        Replacements bareWords;
        for (int n = 1; n <= 90; ++n)
            bareWords[n] = unquoted(shipped()[static_cast<std::size_t>(n - 1)]);

        QTest::newRow("one value per line") << keyDat({}, "\n");
        QTest::newRow("all on one line, commas") << keyDat({}, ",");
        QTest::newRow("one value per line, CR LF") << keyDat({}, "\r\n");
        QTest::newRow("shipped layout, CR LF") << shippedFile().replace("\n", "\r\n");
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + shippedFile();
        QTest::newRow("spaces and tabs around values") << "  " + keyDat({}, " ,\t ") + " \t\n";
        QTest::newRow("words without quotes") << keyDat(bareWords, ",");
        QTest::newRow("text after the 850th value") << shippedFile() + "junk,123456,\"not closed\n";
    }
    void layoutsLoadEqualTables() {
        QFETCH(QByteArray, file);
        const auto reference = shippedTables();
        auto t = std::make_unique<KeyTables>();
        t->RowTop(1) = 1320;
        KeyDataError error;
        QVERIFY2(load(file, *t, error), error.message().c_str());
        QVERIFY(*t == *reference);
    }

    void quotedWordMayHoldAComma() {
        auto t = std::make_unique<KeyTables>();
        KeyDataError error;
        QVERIFY2(load(keyDat({{1, "\"a,s\""}, {2, "  \"ah\"  "}}, ","), *t, error),
                 error.message().c_str());
        QCOMPARE(t->WordList(1, 1), std::string("a,s"));
        QCOMPARE(t->WordList(1, 2), std::string("ah"));
        QCOMPARE(t->WordList(1, 3), unquoted(shipped()[2]));
    }

    void badFileReportsWhereAndKeepsTables_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected"); // a part of the expectation
        QTest::addColumn<QString>("found");    // a part of what was found
        // One value per line unless the file says otherwise, so the line is the number.
        const auto bad = [](const char* name, const QByteArray& file, int number, const char* entry,
                            const char* expected, const char* found, int line = 0) {
            QTest::newRow(name) << file << number << (line ? line : number) << entry << expected
                                << found;
        };
        const char* end = "the end of the file";
        const char* anyInt = "an integer from -32768 to 32767";
        bad("ends in the word lists", keyDat({}, "\n", 89), 90, "WordList(3, 30)", "a text", end,
            89);
        bad("ends in RowChars", keyDat({}, "\n", 100), 101, "RowChars(1, 11)", anyInt, end, 100);
        bad("ends in the character codes", keyDat({}, "\n", 150), 151, "RowCharText(2, 1)",
            "an integer from 0 to 255", end, 150);
        bad("ends in FingerKeys", keyDat({}, "\n", 300), 301, "FingerKeys(4, 1, 6)", anyInt, end,
            300);
        bad("ends in CharKey", keyDat({}, "\n", 600), 601, "CharKey(75, 1)", anyInt, end, 600);
        bad("ends in KeyHand", keyDat({}, "\n", 849), 850, "KeyHand(98, 2)", anyInt, end, 849);
        bad("text for an integer", keyDat({{100, "x"}}), 100, "RowChars(1, 10)", anyInt, "\"x\"");
        bad("32768", keyDat({{200, "32768"}}), 200, "FingerKeys(1, 2, 4)", anyInt, "\"32768\"");
        bad("nothing between two commas", keyDat({{92, ""}}, ","), 92, "RowChars(1, 2)", anyInt,
            "nothing", 1);
        bad("character code 256", keyDat({{139, "256"}}), 139, "RowCharText(1, 1)", "0 to 255",
            "256");
        bad("quote not closed", keyDat({{5, "\"add"}}), 5, "WordList(1, 5)", "a text",
            "not closed");
        bad("text after a closing quote", keyDat({{7, "\"dad\"dy"}}), 7, "WordList(1, 7)", "a text",
            "after the closing quote");
        bad("CharKey at no key", keyDat({{668, "12"}}), 668, "CharKey(97, 2)",
            "a position that has a key in row 3", "12");
        bad("KeyHand hand 3", keyDat({{805, "3"}}), 805, "KeyHand(76, 1)", "a hand, 1 or 2", "3");
        bad("word of ten letters", keyDat({{1, "\"asdfasdfas\""}}), 1, "WordList(1, 1)",
            "a word of 1 to 9", "\"asdfasdfas\"");
        bad("word starting with a capital", keyDat({{31, "\"Type\""}}), 31, "WordList(2, 1)",
            "lower-case", "\"Type\"");
        bad("word with a character that has no key", keyDat({{61, "\"c~b\""}}), 61,
            "WordList(3, 1)", "have keys", "\"c~b\"");
        Replacements noTopRow;
        for (int n = 103; n <= 114; ++n)
            noTopRow[n] = "0";
        bad("top row without drill characters", keyDat(noTopRow), 103,
            "RowChars(2, 1) to RowChars(2, 12)", "at least one character for the drills in row 2",
            "none");
        bad("FingerKeys count 4", keyDat({{223, "4"}}), 223, "FingerKeys(2, 1, 0)",
            "a number of keys from 0 to 3", "4");
        bad("counted FingerKeys slot holding 0", keyDat({{224, "0"}}), 224, "FingerKeys(2, 1, 1)",
            "has a key", "0");
        bad("count 4, all on one line", keyDat({{223, "4"}}, ","), 223, "FingerKeys(2, 1, 0)",
            "0 to 3", "4", 1);
    }
    void badFileReportsWhereAndKeepsTables() {
        QFETCH(QByteArray, file);
        QFETCH(int, number);
        QFETCH(int, line);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QFETCH(QString, found);

        const auto before = shippedTables();
        auto t = std::make_unique<KeyTables>(*before);
        KeyDataError error;
        QVERIFY(!load(file, *t, error));
        QVERIFY2(*t == *before, "a failed load changed the tables");
        QCOMPARE(error.valueNumber, number);
        QCOMPARE(error.line, line);
        QCOMPARE(QString::fromStdString(error.entry), entry);
        QVERIFY2(QString::fromStdString(error.expected).contains(expected), error.expected.c_str());
        QVERIFY2(QString::fromStdString(error.found).contains(found), error.found.c_str());
        const QString message = QString::fromStdString(error.message());
        QVERIFY2(message.contains(QStringLiteral("value %1 (line %2)").arg(number).arg(line)) &&
                     message.contains(entry),
                 qPrintable(message));
    }

    void fixedEntriesWhateverTheFileHolds() {
        // FingerKeys(1,3,0), (1,3,2), (1,3,6), (5,1,0), (5,1,3), (5,1,7); RowChars(1,12), (3,1)
        const Replacements other = {{205, "1"}, {207, "120"}, {211, "0"},  {331, "1"},
                                    {334, "0"}, {338, "0"},   {102, "97"}, {115, "122"}};
        const int fixed[][4] = {{1, 3, 0, 2}, {1, 3, 2, -1}, {1, 3, 6, -1},
                                {5, 1, 0, 3}, {5, 1, 3, 13}, {5, 1, 7, 13}};
        for (const auto& file : {keyDat(other), keyDat()}) {
            auto t = std::make_unique<KeyTables>();
            t->RowTop(5) = 2520;
            KeyDataError error;
            QVERIFY2(load(file, *t, error), error.message().c_str());
            for (const auto& [f, r, k, want] : fixed)
                QCOMPARE(int{t->FingerKeys(f, r, k)}, want);
            QCOMPARE(t->RowChars(1, 12), i16{0});
            QCOMPARE(t->RowChars(3, 1), i16{0});
            QCOMPARE(t->RowTop(5), i16{2520}); // the window's row positions survive a load
        }
    }

    void constantTables() {
        KeyTables t;
        buildConstantTables(t);
        const int first[] = {0, 52, 64, 76, 89}, length[] = {0, 12, 12, 11, 10};
        for (int row = 1; row <= 4; ++row)
            for (int p = 1; p <= 12; ++p)
                QCOMPARE(int{t.RowKeys(row, p)}, p <= length[row] ? first[row] + p - 1 : 0);
        const std::pair<int, int> shift[] = {{'a', 'A'},  {'z', 'Z'}, {'1', '!'}, {'2', '@'},
                                             {'\'', '"'}, {']', '}'}, {'\\', 0},  {'A', 0}};
        for (const auto& [plain, shifted] : shift)
            QCOMPARE(int{t.ShiftChar(plain)}, shifted);
    }

    void keyIndexAndLessonRow() {
        const auto t = shippedTables();
        // character, key index, lesson row
        const std::tuple<int, int, int> cases[] = {
            {'a', 76, 1}, {'A', 76, 1},   {'\'', 86, 1}, {'q', 64, 2}, {'}', 75, 2},
            {'z', 89, 3}, {'?', 98, 3},   {'1', 52, 4},  {'+', 63, 4}, {' ', 0, 5},
            {'\\', 0, 0}, {kEnter, 0, 0}, {-1, 0, 0},    {127, 0, 0}};
        for (const auto& [c, key, row] : cases) {
            QVERIFY2(keyIndexOf(*t, c) == key, qPrintable(QString::number(c)));
            QVERIFY2(lessonRowOf(*t, c) == row, qPrintable(QString::number(c)));
        }
    }

    void shippedKeyboardFingers_data() {
        QTest::addColumn<int>("hand");
        QTest::addColumn<int>("finger"); // 1 little .. 4 index
        QTest::addColumn<QString>("keys");
        QTest::newRow("left little") << 1 << 1 << "1qaz";
        QTest::newRow("left ring") << 1 << 2 << "2wsx";
        QTest::newRow("left middle") << 1 << 3 << "3edc";
        QTest::newRow("left index") << 1 << 4 << "45rtfgvb";
        QTest::newRow("right index") << 2 << 4 << "67yuhjnm";
        QTest::newRow("right middle") << 2 << 3 << "8ik,";
        QTest::newRow("right ring") << 2 << 2 << "9ol.";
        QTest::newRow("right little") << 2 << 1 << "0-=p[];'/";
    }
    void shippedKeyboardFingers() {
        QFETCH(int, hand);
        QFETCH(int, finger);
        QFETCH(QString, keys);
        const auto t = shippedTables();
        // The US keyboard by physical row, and the first key index of each row.
        const QString rows[] = {{}, "1234567890-=", "qwertyuiop[]", "asdfghjkl;'", "zxcvbnm,./"};
        const int first[] = {0, 52, 64, 76, 89};
        for (const QChar ch : keys) {
            const int c = ch.unicode();
            int want = 0;
            for (int row = 1; row <= 4; ++row)
                if (rows[row].contains(ch)) want = first[row] + int(rows[row].indexOf(ch));
            const int k = keyIndexOf(*t, c);
            QVERIFY2(k == want, qPrintable(QStringLiteral("%1 on key %2").arg(ch).arg(k)));
            QVERIFY(t->CharKey(c, 1) > 0 && t->CharKey(c, 2) > 0);
            QVERIFY2(t->KeyHand(k, 1) == hand && t->KeyHand(k, 2) == finger,
                     qPrintable(QString(ch)));
            // The shifted character: same key, the Shift of the other hand.
            const int s = t->ShiftChar(c);
            QVERIFY(s != 0);
            QCOMPARE(keyIndexOf(*t, s), k);
            const bool leftShift = t->CharKey(s, 1) < 0, rightShift = t->CharKey(s, 2) < 0;
            QVERIFY2(leftShift == (hand == 2) && rightShift == (hand == 1), qPrintable(QChar(s)));
        }
        // The lessons teach this finger exactly these keys, each in its own row.
        const int f = (hand - 1) * 4 + finger;
        QString taught;
        for (int r = 1; r <= 4; ++r)
            for (int k = 1; k <= t->FingerKeys(f, r, 0); ++k) {
                const int c = t->FingerKeys(f, r, k);
                if (c == kEnter || c == kShiftKey) continue;
                taught += QChar(c);
                QCOMPARE(lessonRowOf(*t, c), r);
                QCOMPARE(int{t->FingerKeys(f, r, k + 4)}, int{t->ShiftChar(c)});
            }
        std::sort(taught.begin(), taught.end());
        std::sort(keys.begin(), keys.end());
        QCOMPARE(taught, keys);
    }

    void shippedWordsAndDrillRows() {
        const auto t = shippedTables();
        for (int r = 0; r <= 3; ++r) {
            QCOMPARE(t->WordList(r, 0), std::string());
            if (r == 0) continue;
            const auto word = [&](int n) {
                return unquoted(shipped()[std::size_t((r - 1) * 30 + n - 1)]);
            };
            QCOMPARE(t->WordList(r, 1), word(1));
            QCOMPARE(t->WordList(r, 30), word(30));
            for (int n = 1; n <= 30; ++n)
                for (char ch : t->WordList(r, n))
                    QVERIFY2(keyIndexOf(*t, ch) != 0, t->WordList(r, n).c_str());
        }
        // The drill characters of a row are that row's keys.
        const int expectedCount[] = {0, 11, 12, 10, 12};
        for (int r = 1; r <= 4; ++r) {
            int count = 0;
            for (int p = 1; p <= 12; ++p)
                if (const int c = t->RowChars(r, p); c != 0 && c != kEnter) {
                    ++count;
                    QCOMPARE(lessonRowOf(*t, c), r);
                }
            QCOMPARE(count, expectedCount[r]);
        }
    }

    // key.dat, like all our files, is read only when it is a plain file of a sensible size.
    void onlyPlainFilesAreRead_data() { test::addNotPlainFileRows(); }
    void onlyPlainFilesAreRead() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("key.dat"));
        QVERIFY(test::makeNotPlainFile(path, kind));
        std::string bytes = "left from before", error;
        QVERIFY(!readRegularFile(path.toStdString(), 256 * 1024, bytes, error));
        QVERIFY2(error.starts_with(reason.toStdString()), error.c_str());
        QVERIFY(bytes.empty());
    }

    void plainFilesAreReadUpToTheLimit_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("viaLink");  // read through a symbolic link to it
        QTest::addColumn<QString>("error"); // empty: read whole
        QTest::newRow("the shipped key.dat") << shippedFile() << false << "";
        QTest::newRow("through a link") << shippedFile().left(100) << true << "";
        QTest::newRow("empty") << QByteArray() << false << "";
        QTest::newRow("exactly the limit") << QByteArray(4096, 'x') << false << "";
        QTest::newRow("one byte more")
            << QByteArray(4097, 'x') << false << "it is larger than 4096 bytes";
    }
    void plainFilesAreReadUpToTheLimit() {
        QFETCH(QByteArray, file);
        QFETCH(bool, viaLink);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("key.dat"));
        QVERIFY(test::writeFile(path, file));
        if (viaLink) {
            QVERIFY(QFile::link(path, dir.filePath(QStringLiteral("link.dat"))));
            path = dir.filePath(QStringLiteral("link.dat"));
        }
        const std::size_t limit = std::max<std::size_t>(4096, std::size_t(shippedFile().size()));
        std::string bytes, why;
        QCOMPARE(readRegularFile(path.toStdString(), limit, bytes, why), error.isEmpty());
        QCOMPARE(QString::fromStdString(why), error);
        QCOMPARE(bytes, error.isEmpty() ? file.toStdString() : std::string());
    }

    void unreadableFilesSayWhy() {
        std::string bytes, error;
        QVERIFY(!readRegularFile("/nonexistent/key.dat", 4096, bytes, error));
        QCOMPARE(error, std::generic_category().message(ENOENT));
        // A file that says it is empty and is not (the kernel's) is read all the same.
        QVERIFY2(readRegularFile("/proc/self/status", 1 << 20, bytes, error), error.c_str());
        QVERIFY2(bytes.find("Name:") != std::string::npos, bytes.c_str());
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestKeyData)
#include "test_keydata.moc"
