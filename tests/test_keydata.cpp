// The key data reader and the tables built from key.dat, on files written in the test
// from the shipped data/key.dat, and the shipped file itself.
#include "state/keytables.h"

#include <QFile>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tapwell {

namespace {

// The shipped key.dat split into its 850 values, as written (quotes kept), each
// with the separator that follows it in the file.
struct ShippedValues {
    std::vector<std::string> values;
    std::vector<std::string> after;
};

const ShippedValues& shipped() {
    static const ShippedValues v = [] {
        ShippedValues out;
        QFile f(qEnvironmentVariable("TAPWELL_DATA_DIR") + QStringLiteral("/key.dat"));
        if (!f.open(QIODevice::ReadOnly))
            return out;
        const std::string text = f.readAll().toStdString();
        std::string value;
        for (char c : text) {
            if (c == ',' || c == '\n') {
                out.values.push_back(value);
                out.after.emplace_back(1, c);
                value.clear();
            } else {
                value += c;
            }
        }
        return out;
    }();
    return v;
}

using Replacements = std::map<int, std::string>; // 1-based value number -> text

// The shipped values written back: value n replaced by replace[n], joined by sep (the
// shipped layout when sep is empty), only the first `keep` values, no trailing separator.
QByteArray keyDat(const Replacements& replace = {}, const std::string& sep = "\n",
                  int keep = kKeyDataValues) {
    const ShippedValues& s = shipped();
    std::string text;
    for (int n = 1; n <= keep; ++n) {
        const auto it = replace.find(n);
        text += it != replace.end() ? it->second : s.values[static_cast<std::size_t>(n - 1)];
        if (n < keep)
            text += sep.empty() ? s.after[static_cast<std::size_t>(n - 1)] : sep;
    }
    return QByteArray::fromStdString(text);
}

std::string unquoted(const std::string& v) { return v.substr(1, v.size() - 2); }

bool load(const QByteArray& bytes, KeyTables& t, KeyDataError& error) {
    return readKeyData(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       t, error);
}

std::unique_ptr<KeyTables> shippedTables() {
    auto t = std::make_unique<KeyTables>();
    t->RowTop(1) = 1320; // as the window fills it before the load
    KeyDataError error;
    if (!load(keyDat({}, ""), *t, error))
        qWarning("%s", error.message().c_str());
    return t;
}

} // namespace

class TestKeyData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(shipped().values.size(), std::size_t{kKeyDataValues});
        KeyDataError error;
        KeyTables t;
        QVERIFY2(load(keyDat({}, ""), t, error), error.message().c_str());
    }

    void layoutsLoadEqualTables_data() {
        QTest::addColumn<QByteArray>("file");
        std::string shippedCrLf = keyDat({}, "").toStdString();
        for (std::size_t at = 0; (at = shippedCrLf.find('\n', at)) != std::string::npos; at += 2)
            shippedCrLf.replace(at, 1, "\r\n");
        Replacements bareWords;
        for (int n = 1; n <= 90; ++n)
            bareWords[n] = unquoted(shipped().values[static_cast<std::size_t>(n - 1)]);

        QTest::newRow("one value per line") << keyDat({}, "\n");
        QTest::newRow("all on one line, commas") << keyDat({}, ",");
        QTest::newRow("one value per line, CR LF") << keyDat({}, "\r\n");
        QTest::newRow("shipped layout, CR LF") << QByteArray::fromStdString(shippedCrLf);
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + keyDat({}, "");
        QTest::newRow("spaces and tabs around values") << "  " + keyDat({}, " ,\t ") + " \t\n";
        QTest::newRow("words without quotes") << keyDat(bareWords, ",");
        QTest::newRow("text after the 850th value")
            << keyDat({}, "") + "\njunk,12345678,\"never closed\n";
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
        QCOMPARE(t->WordList(1, 3), unquoted(shipped().values[2]));
    }

    void badFileReportsWhereAndKeepsTables_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected"); // a part of the expectation
        QTest::addColumn<QString>("found");    // a part of what was found

        const QString end = QStringLiteral("the end of the file");
        const QString anyInt = QStringLiteral("an integer from -32768 to 32767");
        // Files that end early, one value per line.
        QTest::newRow("empty file") << keyDat({}, "\n", 0) << 1 << 1 << "WordList(1, 1)"
                                    << "a text" << end;
        QTest::newRow("ends in the word lists")
            << keyDat({}, "\n", 89) << 90 << 89 << "WordList(3, 30)" << "a text" << end;
        QTest::newRow("ends in RowChars")
            << keyDat({}, "\n", 100) << 101 << 100 << "RowChars(1, 11)" << anyInt << end;
        QTest::newRow("ends in the row character codes")
            << keyDat({}, "\n", 150) << 151 << 150 << "RowCharText(2, 1)"
            << "an integer from 0 to 255" << end;
        QTest::newRow("ends in FingerKeys")
            << keyDat({}, "\n", 300) << 301 << 300 << "FingerKeys(4, 1, 6)" << anyInt << end;
        QTest::newRow("ends in CharKey")
            << keyDat({}, "\n", 600) << 601 << 600 << "CharKey(75, 1)" << anyInt << end;
        QTest::newRow("ends before the last KeyHand value")
            << keyDat({}, "\n", 849) << 850 << 849 << "KeyHand(98, 2)" << anyInt << end;

        // Values that do not convert.
        QTest::newRow("text for an integer") << keyDat({{100, "x"}}) << 100 << 100
                                             << "RowChars(1, 10)" << anyInt << "\"x\"";
        QTest::newRow("32768") << keyDat({{200, "32768"}}) << 200 << 200
                               << "FingerKeys(1, 2, 4)" << anyInt << "\"32768\"";
        QTest::newRow("-32769") << keyDat({{477, "-32769"}}) << 477 << 477 << "CharKey(33, 3)"
                                << anyInt << "\"-32769\"";
        QTest::newRow("a decimal point") << keyDat({{757, "1.5"}}) << 757 << 757
                                         << "KeyHand(52, 1)" << anyInt << "\"1.5\"";
        QTest::newRow("nothing between two commas") << keyDat({{92, ""}}, ",") << 92 << 1
                                                    << "RowChars(1, 2)" << anyInt << "nothing";
        QTest::newRow("character code 256") << keyDat({{139, "256"}}) << 139 << 139
                                            << "RowCharText(1, 1)" << "from 0 to 255" << "\"256\"";
        QTest::newRow("character code -1") << keyDat({{163, "-1"}}) << 163 << 163
                                           << "RowCharText(3, 1)" << "from 0 to 255" << "\"-1\"";
        QTest::newRow("quote not closed") << keyDat({{5, "\"add"}}) << 5 << 5 << "WordList(1, 5)"
                                          << "a text" << "not closed";
        QTest::newRow("text after a closing quote") << keyDat({{7, "\"dad\"dy"}}) << 7 << 7
                                                    << "WordList(1, 7)" << "a text" << "quote";

        // Values that convert but break a lookup.
        QTest::newRow("CharKey at no key") << keyDat({{668, "12"}}) << 668 << 668
                                           << "CharKey(97, 2)"
                                           << "a position that has a key in row 3" << "12";
        QTest::newRow("CharKey row 5") << keyDat({{667, "5"}}) << 667 << 667 << "CharKey(97, 1)"
                                       << "a row from -4 to 4" << "5";
        QTest::newRow("KeyHand hand 3") << keyDat({{805, "3"}}) << 805 << 805 << "KeyHand(76, 1)"
                                        << "a hand, 1 or 2" << "3";
        QTest::newRow("KeyHand finger 7") << keyDat({{806, "7"}}) << 806 << 806
                                          << "KeyHand(76, 2)" << "from 0 to 6" << "7";
        QTest::newRow("word of ten letters")
            << keyDat({{1, "\"asdfasdfas\""}}) << 1 << 1 << "WordList(1, 1)"
            << "a word of 1 to 9" << "\"asdfasdfas\"";
        QTest::newRow("word starting with a capital") << keyDat({{31, "\"Type\""}}) << 31 << 31
                                                      << "WordList(2, 1)" << "lower-case"
                                                      << "\"Type\"";
        QTest::newRow("word with a character that has no key")
            << keyDat({{61, "\"c~b\""}}) << 61 << 61 << "WordList(3, 1)" << "have keys"
            << "\"c~b\"";
        QTest::newRow("empty word") << keyDat({{2, "\"\""}}) << 2 << 2 << "WordList(1, 2)"
                                    << "a word of 1 to 9" << "\"\"";
        Replacements noTopRow;
        for (int n = 103; n <= 114; ++n)
            noTopRow[n] = "0";
        QTest::newRow("top row without drill characters")
            << keyDat(noTopRow) << 103 << 103 << "RowChars(2, 1) to RowChars(2, 12)"
            << "at least one character for the drills in row 2" << "none";
        QTest::newRow("drill character without a key")
            << keyDat({{103, "92"}}) << 103 << 103 << "RowChars(2, 1)"
            << "a character that has a key" << "92";
        QTest::newRow("FingerKeys count 4") << keyDat({{223, "4"}}) << 223 << 223
                                            << "FingerKeys(2, 1, 0)"
                                            << "a number of keys from 0 to 3" << "4";
        QTest::newRow("FingerKeys counted slot holding 0")
            << keyDat({{224, "0"}}) << 224 << 224 << "FingerKeys(2, 1, 1)" << "has a key" << "0";

        // The line is the file's own line.
        QTest::newRow("count 4, all on one line") << keyDat({{223, "4"}}, ",") << 223 << 1
                                                  << "FingerKeys(2, 1, 0)" << "from 0 to 3" << "4";
        QTest::newRow("count 4, shipped layout") << keyDat({{223, "4"}}, "") << 223 << 22
                                                 << "FingerKeys(2, 1, 0)" << "from 0 to 3" << "4";
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
        const Replacements other = {{205, "1"}, {207, "120"}, {211, "0"}, {331, "1"},
                                    {334, "0"},  {338, "0"},   {102, "97"}, {115, "122"}};
        for (const auto& file : {keyDat(other), keyDat()}) {
            auto t = std::make_unique<KeyTables>();
            t->RowTop(5) = 2520;
            KeyDataError error;
            QVERIFY2(load(file, *t, error), error.message().c_str());
            QCOMPARE(t->FingerKeys(1, 3, 0), i16{2});
            QCOMPARE(t->FingerKeys(1, 3, 2), i16{-1});
            QCOMPARE(t->FingerKeys(1, 3, 6), i16{-1});
            QCOMPARE(t->FingerKeys(5, 1, 0), i16{3});
            QCOMPARE(t->FingerKeys(5, 1, 3), i16{13});
            QCOMPARE(t->FingerKeys(5, 1, 7), i16{13});
            QCOMPARE(t->RowChars(1, 12), i16{0});
            QCOMPARE(t->RowChars(3, 1), i16{0});
            QCOMPARE(t->RowTop(5), i16{2520}); // the window's row positions survive a load
        }
    }

    void wordListsFromTheFile() {
        const auto t = shippedTables();
        for (int r = 0; r <= 3; ++r)
            QCOMPARE(t->WordList(r, 0), std::string());
        for (int n = 0; n <= 30; ++n)
            QCOMPARE(t->WordList(0, n), std::string());
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(t->WordList(r, 1), unquoted(shipped().values[static_cast<std::size_t>((r - 1) * 30)]));
            QCOMPARE(t->WordList(r, 30), unquoted(shipped().values[static_cast<std::size_t>(r * 30 - 1)]));
        }
    }

    void constantTables() {
        KeyTables t;
        buildConstantTables(t);
        QCOMPARE(t.RowKeys(3, 12), i16{0});
        QCOMPARE(t.RowKeys(4, 11), i16{0});
        QCOMPARE(t.RowKeys(4, 12), i16{0});
        const int first[] = {0, 52, 64, 76, 89};
        const int length[] = {0, 12, 12, 11, 10};
        for (int row = 1; row <= 4; ++row)
            for (int p = 1; p <= length[row]; ++p)
                QCOMPARE(int{t.RowKeys(row, p)}, first[row] + p - 1);
        const std::pair<int, int> shift[] = {{'a', 'A'}, {'z', 'Z'}, {'1', '!'}, {'2', '@'},
                                             {'0', ')'}, {'\'', '"'}, {'/', '?'}, {']', '}'},
                                             {'\\', 0},  {'`', 0},   {'A', 0},   {' ', 0}};
        for (const auto& [plain, shifted] : shift)
            QCOMPARE(int{t.ShiftChar(plain)}, shifted);
    }

    void keyIndexAndLessonRow_data() {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::newRow("a") << int{'a'} << 76 << 1;
        QTest::newRow("A, with the right Shift") << int{'A'} << 76 << 1;
        QTest::newRow("apostrophe") << int{'\''} << 86 << 1;
        QTest::newRow("q") << int{'q'} << 64 << 2;
        QTest::newRow("} on the ] key") << int{'}'} << 75 << 2;
        QTest::newRow("z") << int{'z'} << 89 << 3;
        QTest::newRow("?") << int{'?'} << 98 << 3;
        QTest::newRow("1") << int{'1'} << 52 << 4;
        QTest::newRow("+ on the = key") << int{'+'} << 63 << 4;
        QTest::newRow("space") << 32 << 0 << 5;
        QTest::newRow("backslash has no key") << int{'\\'} << 0 << 0;
        QTest::newRow("Enter") << 13 << 0 << 0;
        QTest::newRow("the Shift entry") << -1 << 0 << 0;
        QTest::newRow("127") << 127 << 0 << 0;
    }
    void keyIndexAndLessonRow() {
        QFETCH(int, c);
        QFETCH(int, key);
        QFETCH(int, row);
        const auto t = shippedTables();
        QCOMPARE(keyIndexOf(*t, c), key);
        QCOMPARE(lessonRowOf(*t, c), row);
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
                if (rows[row].contains(ch))
                    want = first[row] + int(rows[row].indexOf(ch));
            const int k = keyIndexOf(*t, c);
            QVERIFY2(k == want, qPrintable(QStringLiteral("%1 on key %2").arg(ch).arg(k)));
            QVERIFY(t->CharKey(c, 1) > 0 && t->CharKey(c, 2) > 0);
            QVERIFY2(t->KeyHand(k, 1) == hand && t->KeyHand(k, 2) == finger, qPrintable(QString(ch)));
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
                if (c == kEnter || c == kShiftKey)
                    continue;
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
        for (int r = 1; r <= 3; ++r)
            for (int n = 1; n <= 30; ++n)
                for (char ch : t->WordList(r, n))
                    QVERIFY2(keyIndexOf(*t, ch) != 0, t->WordList(r, n).c_str());
        // The drill characters of a row are that row's keys.
        const int expectedCount[] = {0, 11, 12, 10, 12};
        for (int r = 1; r <= 4; ++r) {
            int count = 0;
            for (int p = 1; p <= 12; ++p) {
                const int c = t->RowChars(r, p);
                if (c == 0 || c == kEnter)
                    continue;
                ++count;
                QCOMPARE(lessonRowOf(*t, c), r);
            }
            QCOMPARE(count, expectedCount[r]);
        }
        for (const char ch : std::string("\\`|~"))
            QCOMPARE(keyIndexOf(*t, ch), 0);
    }
};

} // namespace tapwell

QTEST_GUILESS_MAIN(tapwell::TestKeyData)
#include "test_keydata.moc"
