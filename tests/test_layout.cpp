// The keyboard layouts: the physical keys and their places, key.dat's US keyboard and
// XKB's as one model, known facts of the layouts children have, every layout of the
// registry, and where the layout in use comes from (files, and a real X server when
// Xvfb is installed).
#include "drills/drilltext.h"
#include "guide/guidemodel.h"
#include "layout/keydatlayout.h"
#include "layout/layoutkeys.h"
#include "layout/registry.h"
#include "layout/xkblayout.h"
#include "lessons/lessonpages.h"
#include "shipped.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <xcb/xcb.h>
// xcb's XKB header names a member "explicit", which C++ reserves.
#define explicit xcb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <algorithm>
#include <map>
#include <memory>
#include <set>

Q_DECLARE_METATYPE(tapwell::layout::Shape)
Q_DECLARE_METATYPE(tapwell::layout::LayoutSource)
Q_DECLARE_METATYPE(tapwell::layout::Finger)

namespace tapwell::layout {

namespace {

QString text(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

QString text(const std::vector<char32_t>& cs) {
    return QString::fromUcs4(cs.data(), static_cast<qsizetype>(cs.size()));
}

QString text(Key k) {
    return QString::fromUtf8(xkbName(k).data(), static_cast<qsizetype>(xkbName(k).size()));
}

QString text(std::optional<Typing> t) {
    if (!t) return QStringLiteral("not typed");
    const auto press = [](const Press& p) {
        static const char* const levels[] = {"", "+Shift", "+AltGr", "+Shift+AltGr"};
        return text(p.key) + QLatin1String(levels[static_cast<int>(p.level)]);
    };
    return (t->dead ? press(*t->dead) + QStringLiteral(" then ") : QString()) + press(t->press);
}

// Compose rules fixed for the tests, whatever the machine's locale.
const BuildOptions kOptions{{}, {}, "en_US.UTF-8"};

const Layout& built(const QString& name) {
    static std::map<QString, Layout> cache;
    auto it = cache.find(name);
    if (it == cache.end()) {
        std::string why;
        auto l = layoutFromNames(LayoutName::parse(name.toStdString()), &why, kOptions);
        if (!l) qFatal("%s: %s", qPrintable(name), why.c_str());
        it = cache.emplace(name, std::move(*l)).first;
    }
    return it->second;
}

Key keyOf(const QString& name) {
    const auto k = keyNamed(name.toStdString());
    if (!k) qFatal("no key %s", qPrintable(name));
    return *k;
}

Level levelOf(const QString& name) {
    static const std::map<QString, Level> levels = {{"plain", Level::Plain},
                                                    {"shift", Level::Shift},
                                                    {"altgr", Level::AltGr},
                                                    {"shift+altgr", Level::ShiftAltGr}};
    return levels.at(name);
}

const Layout& keyDatLayout() {
    static const Layout l = [] {
        auto t = test::stateWithKeyData();
        std::string why;
        auto built = layoutFromKeyTables(*t, &why);
        if (!built) qFatal("key.dat: %s", why.c_str());
        return std::move(*built);
    }();
    return l;
}

// A private Xvfb display, for as long as the object lives.
class PrivateXServer {
public:
    bool start() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) return false;
        for (int n = 140 + QCoreApplication::applicationPid() % 50, tries = 0; tries < 20;
             ++n, ++tries) {
            if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) ||
                QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
                continue;
            process_.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-nolisten"),
                                  QStringLiteral("tcp"), QStringLiteral("-noreset")});
            if (!process_.waitForStarted()) return false;
            for (int waited = 0; waited < 100 && process_.state() == QProcess::Running; ++waited) {
                if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                    name_ = QStringLiteral(":%1").arg(n);
                    return true;
                }
                QThread::msleep(50);
            }
            process_.kill();
            process_.waitForFinished();
        }
        return false;
    }
    ~PrivateXServer() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(3000)) process_.kill();
            process_.waitForFinished();
        }
    }
    const QString& name() const { return name_; }

    bool setxkbmap(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("setxkbmap"), QStringList{QStringLiteral("-display"), name_} + args);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

private:
    QProcess process_;
    QString name_;
};

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

// Restores an environment variable when the test leaves.
class EnvironmentVariable {
public:
    explicit EnvironmentVariable(const char* name)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), value_(qgetenv(name)) {}
    ~EnvironmentVariable() {
        if (had_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray value_;
};

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The typing path's lookups.

    void theTypingPathAsksTheSameOfXkbsUsAsOfKeyDat() {
        const auto keyDat = test::stateWithKeyData();
        KeyTables xkb = *keyDat;
        const auto us = layoutFromNames(LayoutName{"us", {}});
        QVERIFY(us);
        xkb.layout = layoutKeysOf(*us);
        for (int c = 0; c <= 300; ++c) {
            const QByteArray what = QByteArray::number(c);
            QVERIFY2(keyIndexOf(xkb, c) == keyIndexOf(*keyDat, c), what);
            QVERIFY2(shiftSideOf(xkb, c) == shiftSideOf(*keyDat, c), what);
            QVERIFY2(lessonRowOf(xkb, c) == lessonRowOf(*keyDat, c), what);
            if (lessonRowOf(*keyDat, c) != 0 && shiftSideOf(*keyDat, c) == 0)
                QVERIFY2(shiftCharOf(xkb, c) == shiftCharOf(*keyDat, c), what);
        }
        for (int row = 1; row <= 4; ++row)
            for (int n = 1; n <= 12; ++n)
                QVERIFY2(rowCharOf(xkb, row, n) == rowCharOf(*keyDat, row, n),
                         qPrintable(QStringLiteral("row %1 place %2").arg(row).arg(n)));
        for (int f = 1; f <= 8; ++f)
            for (int row = 1; row <= 4; ++row)
                for (int n = 0; n <= fingerKeyOf(*keyDat, f, row, 0); ++n) {
                    for (int shift : {0, 4})
                        if (n > 0 || shift == 0)
                            QVERIFY2(fingerKeyOf(xkb, f, row, n + shift) ==
                                         fingerKeyOf(*keyDat, f, row, n + shift),
                                     qPrintable(QStringLiteral("finger %1 row %2 key %3")
                                                    .arg(f)
                                                    .arg(row)
                                                    .arg(n + shift)));
                }
        for (int key = kFirstKey; key <= kLastKey; ++key)
            QCOMPARE(keyCaptionOf(xkb, key), keyCaptionOf(*keyDat, key));
    }

    void aGermanChildIsAskedForTheirOwnKeys() {
        auto t = test::stateWithKeyData();
        const auto de = layoutFromNames(LayoutName{"de", {}});
        QVERIFY(de);
        t->layout = layoutKeysOf(*de);
        QCOMPARE(keyIndexOf(*t, U'ö'), keyIndexOf(*t, U'l') + 1); // where US has ;
        QCOMPARE(keyIndexOf(*t, 'z'), 69);                        // where US has Y
        QCOMPARE(lessonRowOf(*t, U'ä'), int{kHomeRow});
        QCOMPARE(shiftCharOf(*t, U'ö'), int{U'Ö'});
        QCOMPARE(shiftSideOf(*t, '"'), 2); // Shift+2: the right Shift with the left hand's key
        QCOMPARE(rowCharOf(*t, kHomeRow, 10), int{U'ö'});
        QCOMPARE(keyCaptionOf(*t, 69), std::string("Z"));
        QCOMPARE(t->layout->captions.at(63).first, std::string("´")); // a dead key, shown
        QCOMPARE(keyIndexOf(*t, U'´'), 0);                            // and never asked for
        // The little fingers teach the ISO keys too: ö, ä, # and Enter; y, < and Shift.
        QCOMPARE(fingerKeyOf(*t, 5, kHomeRow, 0), 4);
        QCOMPARE(fingerKeyOf(*t, 5, kHomeRow, 2), int{U'ä'});
        QCOMPARE(fingerKeyOf(*t, 5, kHomeRow, 3), int{'#'});
        QCOMPARE(fingerKeyOf(*t, 5, kHomeRow, 4), kEnter);
        QCOMPARE(fingerKeyOf(*t, 1, kBottomRow, 2), int{'<'});
        QCOMPARE(fingerKeyOf(*t, 1, kBottomRow, 3), kShiftKey);
    }

    void accentsAndAltGrOnlyWhenAskedFor() {
        auto s = test::stateWithKeyData();
        const auto de = layoutFromNames(LayoutName{"de", {}});
        QVERIFY(de);
        s->layout = layoutKeysOf(*de);
        QCOMPARE(keyIndexOf(*s, U'é'), 0);
        QCOMPARE(keyIndexOf(*s, '@'), 0);
        s->layout = layoutKeysOf(*de, true);
        // é: the dead acute (right of ß), then e; @: AltGr with q.
        const LayoutKeys::Place* e = placeOf(*s, U'é');
        QVERIFY(e);
        QCOMPARE(e->dead, 63);
        QCOMPARE(e->deadKeysym, 0xfe51u);
        QCOMPARE(e->key, keyIndexOf(*s, 'e'));
        QCOMPARE(e->base, U'e');
        const LayoutKeys::Place* at = placeOf(*s, '@');
        QVERIFY(at && at->altGr && at->key == keyIndexOf(*s, 'q'));
        const auto& accented = s->layout->accented.at(U'e');
        QVERIFY(std::count(accented.begin(), accented.end(), U'é') == 1);
        QVERIFY(std::count(accented.begin(), accented.end(), U'€') == 1);
        QVERIFY(s->layout->altGrKey);

        // The guide marks the dead key, then, once it is pressed, the letter; AltGr as Shift.
        GuideModel guide(*s);
        guide.ShowKey(U'é');
        QVERIFY(guide.marked(63) && !guide.marked(e->key));
        guide.ClearKey(U'é');
        s->DeadPressed = e->deadKeysym;
        guide.ShowKey(U'é');
        QVERIFY(!guide.marked(63) && guide.marked(e->key));
        guide.ClearKey(U'é');
        s->DeadPressed = 0;
        guide.ShowKey('@');
        QVERIFY(guide.marked(at->key) && guide.marked(kAltGrKey));
        QCOMPARE(guide.hand(kRightHand), kThumbLit);
        guide.ClearKey('@');
        QVERIFY(!guide.marked(at->key) && !guide.marked(kAltGrKey));

        // A Character Drill asks for some of them, each with a key.
        s->Mode = kCharacterDrill;
        SeededRandom random(5);
        std::set<char32_t> asked;
        for (int n = 0; n < 40; ++n) {
            MakeDrillLine(*s, {true, true, true, true}, false, random);
            for (int i = 0; i < s->LineLen; ++i)
                asked.insert(s->LineChars(i));
        }
        QVERIFY(std::any_of(asked.begin(), asked.end(), [&](char32_t c) {
            const LayoutKeys::Place* p = placeOf(*s, static_cast<int>(c));
            return p && p->dead != 0;
        }));
        for (char32_t c : asked)
            QVERIFY(c == kSpace || keyIndexOf(*s, static_cast<int>(c)) != 0);
    }

    void theLessonNamesTheHomeKeysOfTheKeyboard() {
        auto s = test::stateWithKeyData();
        s->layout = layoutKeysOf(*layoutFromNames(LayoutName{"fr", {}}));
        HomeKeyNames home;
        for (std::size_t i = 0; i < home.size(); ++i)
            home[i] = keyCaptionOf(*s, kHomeRowFirstKey - 1 + kHomePlaces[i]);
        QCOMPARE(pageLine("{home1} {home2} {home3} {home4} keys (little finger", "", home),
                 std::string("Q S D F keys (little finger"));
        QCOMPARE(pageLine("finger on {home8}). Place your", "", home),
                 std::string("finger on M). Place your"));
        QCOMPARE(rowCharOf(*s, kHomeRow, 1), int{'q'}); // the left little finger's rest
    }

    void aWordDrillTakesTheWordsTheKeyboardTypes() {
        // German types English words on its home row; Russian none: its keys instead.
        for (const char* name : {"de", "ru"}) {
            auto s = test::stateWithKeyData();
            s->layout = layoutKeysOf(*layoutFromNames(LayoutName{name, {}}));
            s->Mode = kWordDrill;
            const RowChoice home = {true, false, false, false};
            QCOMPARE(tooFewWords(*s, home), std::string(name) == "ru");
            SeededRandom random(3);
            for (int n = 0; n < 20; ++n) {
                const std::string line = MakeDrillLine(*s, home, true, random);
                QVERIFY(!line.empty());
                for (int i = 0; i < s->LineLen; ++i) {
                    const int c = static_cast<int>(s->LineChars(i));
                    QVERIFY2(c == kSpace || lessonRowOf(*s, c) == kHomeRow, line.c_str());
                }
            }
        }
    }

    // The physical keys.

    void usKeysStandWhereTheDesignedKeyboardHasThem() {
        // The designed keyboard, in twips: the rows' lefts and tops, Enter and the Shifts.
        const auto expectLeft = [](int index) {
            if (index >= 52 && index <= 63) return 960 + 600 * (index - 52);
            if (index >= 64 && index <= 75) return 1200 + 600 * (index - 64);
            if (index >= 76 && index <= 86) return 1560 + 600 * (index - 76);
            if (index >= 89 && index <= 98) return 1800 + 600 * (index - 89);
            return index == kEnterKey ? 8160 : index == kLeftShiftKey ? 720 : 7800;
        };
        const auto expectTop = [](int index) {
            return index <= 63 ? 120 : index <= 75 ? 720 : index <= 87 ? 1320 : 1920;
        };
        const auto expectWidth = [](int index) {
            return index == kEnterKey ? 1215 : index == kLeftShiftKey || index == 99 ? 1095 : 615;
        };
        for (int index = kFirstKey; index <= kLastKey; ++index) {
            const auto key = keyOfIndex(index);
            QVERIFY2(key, qPrintable(QString::number(index)));
            QCOMPARE(indexOfKey(*key), index);
            const KeyRect r = placeOf(*key, Shape::Ansi).upper;
            QCOMPARE(360 + 60 * r.left, expectLeft(index));
            QCOMPARE(120 + 600 * r.row, expectTop(index));
            QCOMPARE(60 * r.width + 15, expectWidth(index));
        }
        const KeyRect space = placeOf(Key::SPCE, Shape::Ansi).upper;
        QCOMPARE(360 + 60 * space.left, 2760);
        QCOMPARE(120 + 600 * space.row, 2520);
        QCOMPARE(60 * space.width + 15, 4215);
        for (Key k : {Key::TLDE, Key::SPCE, Key::RALT})
            QCOMPARE(indexOfKey(k), 0);
        QCOMPARE(indexOfKey(Key::LSGT), kIsoLeftKey);
        QCOMPARE(indexOfKey(Key::BKSL), kIsoRightKey);
    }

    void keysNeverOverlap_data() {
        QTest::addColumn<Shape>("shape");
        QTest::newRow("ANSI") << Shape::Ansi;
        QTest::newRow("ISO") << Shape::Iso;
    }
    void keysNeverOverlap() {
        QFETCH(Shape, shape);
        std::vector<std::pair<KeyRect, Key>> rects;
        for (Key k : allKeys()) {
            const KeyPlace p = placeOf(k, shape);
            if (!p.present()) continue;
            rects.push_back({p.upper, k});
            if (p.twoRows()) {
                rects.push_back({p.lower, k});
                QCOMPARE(p.lower.row, p.upper.row + 1);
            }
        }
        for (std::size_t i = 0; i < rects.size(); ++i)
            for (std::size_t j = i + 1; j < rects.size(); ++j) {
                const auto& [a, ka] = rects[i];
                const auto& [b, kb] = rects[j];
                const bool overlap =
                    a.row == b.row && a.left < b.left + b.width && b.left < a.left + a.width;
                QVERIFY2(!overlap, qPrintable(text(ka) + " and " + text(kb)));
            }
        // The ISO keys are there on ISO keyboards alone, and Enter spans two rows there.
        QCOMPARE(placeOf(Key::LSGT, shape).present(), shape == Shape::Iso);
        QCOMPARE(placeOf(Key::RTRN, shape).twoRows(), shape == Shape::Iso);
        QCOMPARE(placeOf(Key::BKSL, shape).upper.row, shape == Shape::Iso ? 2 : 1);
    }

    void keyNamesAndRows() {
        for (Key k : allKeys())
            QCOMPARE(keyNamed(std::string(xkbName(k))), std::optional(k));
        QCOMPARE(keyNamed("AC12"), std::optional(Key::BKSL)); // the ISO name of one key
        QCOMPARE(keyNamed("FK01"), std::nullopt);
        // Every key of a row is that row's, and the keys outside the rows are in none.
        int inRows = 0;
        for (LessonRow r : {kHomeRow, kTopRow, kBottomRow, kNumberRow})
            for (Key k : rowKeys(r)) {
                QCOMPARE(rowOf(k), std::optional(r));
                ++inRows;
            }
        QCOMPARE(inRows, 11 + 12 + 10 + 12);
        for (Key k : {Key::TLDE, Key::BKSL, Key::LSGT, Key::SPCE, Key::RTRN})
            QCOMPARE(rowOf(k), std::nullopt);
    }

    // key.dat's US keyboard and XKB's "us" are one model.

    void fingersAreKeyDats() {
        // The one finger table, by column, against key.dat's KeyHand for the US keys.
        auto t = test::stateWithKeyData();
        for (int index = kFirstKey; index < kRightShiftKey; ++index) {
            const Key k = *keyOfIndex(index);
            QCOMPARE(fingerFor(k), fingerOf(t->KeyHand(index, 1), t->KeyHand(index, 2)));
        }
        QCOMPARE(fingerFor(Key::RTSH), Finger::RightLittle);
        QCOMPARE(fingerFor(Key::TLDE), Finger::LeftLittle);
        QCOMPARE(fingerFor(Key::LSGT), Finger::LeftLittle);
        QCOMPARE(fingerFor(Key::BKSL), Finger::RightLittle);
        // The Shift of the other hand, as key.dat names it for each shifted character.
        for (int c = 33; c <= 126; ++c) {
            const auto p = keyDatLayout().pressFor(static_cast<char32_t>(c));
            if (!p || p->level != Level::Shift) continue;
            const Key shift = t->CharKey(c, 1) < 0 ? Key::LFSH : Key::RTSH;
            QVERIFY2(shiftKeyFor(p->key) == shift, qPrintable(text(static_cast<char32_t>(c))));
        }
    }

    void usFromXkbEqualsKeyDat() {
        const Layout& xkb = built("us");
        const Layout& dat = keyDatLayout();
        QCOMPARE(xkb.shape(), Shape::Ansi);
        QCOMPARE(xkb.hasAltGr(), false);
        for (Key k : allKeys()) {
            QCOMPARE(xkb.finger(k), dat.finger(k));
            QCOMPARE(xkb.hasKey(k), dat.hasKey(k));
            // key.dat's keyboard has no key for ` ~ \ |: their keys stand empty there.
            if (k == Key::TLDE || k == Key::BKSL) {
                for (Level lv : kAllLevels)
                    QVERIFY(dat.symbol(k, lv).empty());
                continue;
            }
            for (Level lv : kAllLevels)
                QVERIFY2(xkb.symbol(k, lv) == dat.symbol(k, lv),
                         qPrintable(text(k) + ": " + text(xkb.symbol(k, lv).ch) + " against " +
                                    text(dat.symbol(k, lv).ch)));
        }
        QCOMPARE(text(xkb.symbol(Key::TLDE, Level::Plain).ch), QStringLiteral("`"));
        QCOMPARE(text(xkb.symbol(Key::BKSL, Level::Shift).ch), QStringLiteral("|"));
        // Every character key.dat has is typed on the same key and level both ways.
        for (char32_t c = 33; c <= 126; ++c)
            if (const auto p = dat.pressFor(c)) QCOMPARE(xkb.pressFor(c), p);
    }

    void usRowsAreKeyDats_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("key.dat") << "key.dat";
        QTest::newRow("XKB us") << "us";
    }
    void usRowsAreKeyDats() {
        QFETCH(QString, source);
        const Layout& l = source == "key.dat" ? keyDatLayout() : built(source);
        auto t = test::stateWithKeyData();
        for (LessonRow r : {kHomeRow, kTopRow, kBottomRow, kNumberRow}) {
            // The drill's characters: RowChars, and with Shift their ShiftChar.
            std::vector<char32_t> plain, both;
            for (int p = 1; p <= 12; ++p) {
                const int c = t->RowChars(r, p);
                if (c != 0 && c != kEnter) plain.push_back(static_cast<char32_t>(c));
            }
            both = plain;
            for (char32_t c : plain)
                both.push_back(static_cast<char32_t>(t->ShiftChar(static_cast<int>(c))));
            QCOMPARE(text(l.rowCharacters(r, {})), text(plain));
            QCOMPARE(text(l.rowCharacters(r, {true, false})), text(both));
            QCOMPARE(text(l.rowCharacters(r, {true, true})), text(both)); // no AltGr on US
            // Each finger's keys in the lessons' order, Enter and Shift aside.
            for (int f = 1; f <= 8; ++f) {
                std::vector<char32_t> lesson, model;
                for (int k = 1; k <= t->FingerKeys(f, r, 0); ++k) {
                    const int c = t->FingerKeys(f, r, k);
                    if (c != kEnter && c != kShiftKey) lesson.push_back(static_cast<char32_t>(c));
                }
                for (Key k : l.fingerKeys(static_cast<Finger>(f), r))
                    model.push_back(l.symbol(k, Level::Plain).ch);
                QVERIFY2(lesson == model,
                         qPrintable(QStringLiteral("finger %1 row %2: %3 against %4")
                                        .arg(f)
                                        .arg(r)
                                        .arg(text(model), text(lesson))));
            }
        }
    }

    // Known facts of the layouts children have.

    void knownSymbols_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("dead");
        const auto row = [](const char* layout, const char* key, const char* level,
                            const QString& c, bool dead = false) {
            QTest::addRow("%s %s %s", layout, key, level) << layout << key << level << c << dead;
        };
        row("de", "AD06", "plain", "z");
        row("de", "AB01", "plain", "y");
        row("de", "AC10", "plain", "ö");
        row("de", "AC11", "plain", "ä");
        row("de", "LSGT", "plain", "<");
        row("de", "LSGT", "shift", ">");
        row("de", "LSGT", "altgr", "|");
        row("de", "TLDE", "plain", "^", true);
        row("de", "AE12", "plain", "´", true);
        row("de", "AE11", "plain", "ß");
        row("de", "AD01", "altgr", "@");
        row("de", "AE03", "shift", "§");
        row("de", "AC12", "plain", "#");
        row("fr", "AD01", "plain", "a");
        row("fr", "AC01", "plain", "q");
        row("fr", "AB01", "plain", "w");
        row("fr", "AE01", "shift", "1");
        row("fr", "AE10", "shift", "0");
        row("fr", "AE02", "plain", "é");
        row("fr", "AD11", "plain", "^", true);
        row("gb", "AE02", "shift", "\"");
        row("gb", "AE03", "shift", "£");
        row("gb", "AC12", "plain", "#");
        row("gb", "LSGT", "plain", "\\");
        row("gb", "AC11", "shift", "@");
        row("es", "AC10", "plain", "ñ");
        row("es", "AC11", "plain", "´", true);
        row("es", "AD11", "plain", "`", true);
        row("es", "AC12", "plain", "ç");
        row("it", "AC10", "plain", "ò");
        row("it", "AD11", "shift", "é");
        row("it", "AE12", "plain", "ì");
        row("se", "AD11", "plain", "å");
        row("se", "AE12", "plain", "´", true);
        row("no", "AC10", "plain", "ø");
        row("no", "AC11", "plain", "æ");
        row("pt", "AC10", "plain", "ç");
        row("pt", "AC12", "plain", "~", true);
        row("br", "AC10", "plain", "ç");
        row("br", "AC11", "plain", "~", true);
        row("br", "AD11", "plain", "´", true);
        row("ch", "AD06", "plain", "z");
        row("ch", "AD11", "shift", "è");
        row("ch", "AC12", "plain", "$");
        row("us(dvorak)", "AD01", "plain", "'");
        row("us(dvorak)", "AB01", "plain", ";");
        row("us(colemak)", "AD03", "plain", "f");
        row("ru", "AC01", "plain", "ф");
        row("ru", "TLDE", "plain", "ё");
        row("ru", "AE03", "shift", "№");
    }
    void knownSymbols() {
        QFETCH(QString, layout);
        QFETCH(QString, key);
        QFETCH(QString, level);
        QFETCH(QString, character);
        QFETCH(bool, dead);
        const Symbol& s = built(layout).symbol(keyOf(key), levelOf(level));
        QCOMPARE(text(s.ch), character);
        QCOMPARE(s.dead, dead);
    }

    void homeRows_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("homeRow"); // the drill's plain characters
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<bool>("altGr");
        QTest::newRow("us") << "us"
                            << "asdfghjkl;'" << Shape::Ansi << false;
        QTest::newRow("de") << "de"
                            << "asdfghjklöä" << Shape::Iso << true;
        QTest::newRow("fr") << "fr"
                            << "qsdfghjklmù" << Shape::Iso << true;
        QTest::newRow("gb") << "gb"
                            << "asdfghjkl;'" << Shape::Iso << true;
        QTest::newRow("es, its dead accent left out") << "es"
                                                      << "asdfghjklñ" << Shape::Iso << true;
        QTest::newRow("it") << "it"
                            << "asdfghjklòà" << Shape::Iso << true;
        QTest::newRow("se") << "se"
                            << "asdfghjklöä" << Shape::Iso << true;
        QTest::newRow("no") << "no"
                            << "asdfghjkløæ" << Shape::Iso << true;
        QTest::newRow("pt") << "pt"
                            << "asdfghjklçº" << Shape::Iso << true;
        QTest::newRow("br") << "br"
                            << "asdfghjklç" << Shape::Iso << true;
        QTest::newRow("ch") << "ch"
                            << "asdfghjklöä" << Shape::Iso << true;
        QTest::newRow("us(dvorak)") << "us(dvorak)"
                                    << "aoeuidhtns-" << Shape::Ansi << false;
        QTest::newRow("us(colemak)") << "us(colemak)"
                                     << "arstdhneio'" << Shape::Ansi << true;
        QTest::newRow("ru") << "ru"
                            << "фывапролджэ" << Shape::Iso << false;
    }
    void homeRows() {
        QFETCH(QString, layout);
        QFETCH(QString, homeRow);
        QFETCH(Shape, shape);
        QFETCH(bool, altGr);
        const Layout& l = built(layout);
        QCOMPARE(text(l.rowCharacters(kHomeRow, {})), homeRow);
        QCOMPARE(l.shape(), shape);
        QCOMPARE(l.hasAltGr(), altGr);
        QCOMPARE(l.hasKey(Key::RALT), altGr);
        // The home row's letters are taught with Shift too, as capitals.
        const QString shifted = text(l.rowCharacters(kHomeRow, {true, false}));
        QCOMPARE(shifted.left(homeRow.size()), homeRow);
        QVERIFY(shifted.contains(homeRow.left(1).toUpper()));
    }

    void outerKeysTaughtWithTheirFinger_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<Finger>("finger");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys"); // in teaching order, the outer key last
        QTest::addColumn<QString>("notDrilled");
        QTest::newRow("de left little, bottom: LSGT")
            << "de" << Finger::LeftLittle << int(kBottomRow) << "AB01 LSGT"
            << "<";
        QTest::newRow("de right little, home: AC12")
            << "de" << Finger::RightLittle << int(kHomeRow) << "AC10 AC11 BKSL"
            << "#";
        QTest::newRow("us right little, top: BKSL")
            << "us" << Finger::RightLittle << int(kTopRow) << "AD10 AD11 AD12 BKSL"
            << "\\|";
        QTest::newRow("us left little, number: TLDE")
            << "us" << Finger::LeftLittle << int(kNumberRow) << "AE01 TLDE"
            << "`~";
        QTest::newRow("us left index, home: F before G")
            << "us" << Finger::LeftIndex << int(kHomeRow) << "AC04 AC05"
            << "";
        QTest::newRow("us right index, top: U before Y")
            << "us" << Finger::RightIndex << int(kTopRow) << "AD07 AD06"
            << "";
    }
    void outerKeysTaughtWithTheirFinger() {
        QFETCH(QString, layout);
        QFETCH(Finger, finger);
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QString, notDrilled);
        const Layout& l = built(layout);
        const auto r = static_cast<LessonRow>(row);
        QStringList names;
        for (Key k : l.fingerKeys(finger, r, true))
            names << text(k);
        QCOMPARE(names.join(' '), keys);
        // Without the outer keys, the row's own; and no row drill asks for what only the
        // outer keys type.
        QCOMPARE(l.fingerKeys(finger, r).size(),
                 std::size_t(names.size() - (notDrilled.isEmpty() ? 0 : 1)));
        const QString drilled = text(l.rowCharacters(r, {true, true}));
        for (QChar c : notDrilled)
            QVERIFY2(!drilled.contains(c), qPrintable(drilled));
    }

    void typingOf_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("typed"); // dead key and level, then key and level
        QTest::newRow("de é: dead acute, e") << "de"
                                             << "é"
                                             << "AE12 then AD03";
        QTest::newRow("de É: dead acute, Shift+e") << "de"
                                                   << "É"
                                                   << "AE12 then AD03+Shift";
        QTest::newRow("de è: Shift+dead grave, e") << "de"
                                                   << "è"
                                                   << "AE12+Shift then AD03";
        QTest::newRow("de ê: dead circumflex, e") << "de"
                                                  << "ê"
                                                  << "TLDE then AD03";
        QTest::newRow("de ^: dead circumflex, space") << "de"
                                                      << "^"
                                                      << "TLDE then SPCE";
        QTest::newRow("de @ directly") << "de"
                                       << "@"
                                       << "AD01+AltGr";
        QTest::newRow("de € directly") << "de"
                                       << "€"
                                       << "AD03+AltGr";
        QTest::newRow("de |: the ISO key") << "de"
                                           << "|"
                                           << "LSGT+AltGr";
        QTest::newRow("fr é directly") << "fr"
                                       << "é"
                                       << "AE02";
        QTest::newRow("fr ê: dead circumflex, e") << "fr"
                                                  << "ê"
                                                  << "AD11 then AD03";
        QTest::newRow("fr ë: Shift+dead diaeresis, e") << "fr"
                                                       << "ë"
                                                       << "AD11+Shift then AD03";
        QTest::newRow("es á") << "es"
                              << "á"
                              << "AC11 then AC01";
        QTest::newRow("es ü") << "es"
                              << "ü"
                              << "AC11+Shift then AD07";
        QTest::newRow("pt ã") << "pt"
                              << "ã"
                              << "BKSL then AC01";
        QTest::newRow("br ã") << "br"
                              << "ã"
                              << "AC11 then AC01";
        QTest::newRow("gb |: Shift before AltGr") << "gb"
                                                  << "|"
                                                  << "LSGT+Shift";
        QTest::newRow("us <: no ISO key on ANSI") << "us"
                                                  << "<"
                                                  << "AB08+Shift";
        QTest::newRow("us Enter") << "us"
                                  << "\r"
                                  << "RTRN";
        QTest::newRow("us space") << "us"
                                  << " "
                                  << "SPCE";
        QTest::newRow("us é: not typed") << "us"
                                         << "é"
                                         << "not typed";
        QTest::newRow("ru ф") << "ru"
                              << "ф"
                              << "AC01";
    }
    void typingOf() {
        QFETCH(QString, layout);
        QFETCH(QString, character);
        QFETCH(QString, typed);
        const Layout& l = built(layout);
        const char32_t c = character.toUcs4().at(0);
        QCOMPARE(text(l.typingOf(c)), typed);
        // A composed character is one of the composed ones, a direct one is not.
        const auto& composed = l.composedCharacters();
        QCOMPARE(std::find(composed.begin(), composed.end(), c) != composed.end(),
                 typed.contains(" then "));
    }

    void shapeGivenOverridesTheGuess() {
        // On an ISO keyboard the US layout's key left of Z types < without Shift, BKSL
        // stands right of the home row,
        BuildOptions iso = kOptions;
        iso.shape = Shape::Iso;
        const auto l = layoutFromNames({"us", {}}, nullptr, iso);
        QVERIFY(l);
        QCOMPARE(text(l->typingOf(U'<')), QStringLiteral("LSGT"));
        QCOMPARE(l->place(Key::BKSL).upper.row, 2);
        // and a drill of the bottom row leaves < to that key.
        const auto bottom = l->rowCharacters(kBottomRow, {true, false});
        QVERIFY(std::find(bottom.begin(), bottom.end(), U'<') == bottom.end());
    }

    void namesThatCannotBeBuilt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown layout") << "xx"
                                        << "XKB cannot compile xx";
        QTest::newRow("unknown variant") << "de(nosuch)"
                                         << "XKB cannot compile de(nosuch)";
        QTest::newRow("two layouts in one name") << "de,fr"
                                                 << "is not a layout's name";
        QTest::newRow("empty") << ""
                               << "is not a layout's name";
    }
    void namesThatCannotBeBuilt() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        std::string why;
        const LayoutName n = name.contains(',') ? LayoutName{name.toStdString(), {}}
                                                : LayoutName::parse(name.toStdString());
        QVERIFY(!layoutFromNames(n, &why, kOptions));
        QVERIFY2(QString::fromStdString(why).contains(reason), why.c_str());
    }

    void oneGroupOfAList() {
        std::string why;
        const auto second = layoutFromNames({{"us", {}}, {"de", "nodeadkeys"}}, 1, &why, kOptions);
        QVERIFY2(second, why.c_str());
        QCOMPARE(second->name(), (LayoutName{"de", "nodeadkeys"}));
        QVERIFY(second->sameKeys(built("de(nodeadkeys)")));
        QVERIFY(!second->sameKeys(built("de")));
        QCOMPARE(second->symbol(Key::TLDE, Level::Plain).dead, false); // no dead keys here
        QVERIFY(!layoutFromNames({{"us", {}}}, 1, &why, kOptions));
    }

    void layoutNamesAsXkbWritesThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("variant");
        QTest::newRow("layout") << "de"
                                << "de"
                                << "";
        QTest::newRow("layout and variant") << "us(dvorak)"
                                            << "us"
                                            << "dvorak";
        QTest::newRow("unclosed") << "us(dvorak"
                                  << ""
                                  << "";
        QTest::newRow("empty variant") << "us()"
                                       << ""
                                       << "";
        QTest::newRow("no layout") << "(dvorak)"
                                   << ""
                                   << "";
    }
    void layoutNamesAsXkbWritesThem() {
        QFETCH(QString, text);
        QFETCH(QString, layout);
        QFETCH(QString, variant);
        const LayoutName n = LayoutName::parse(text.toStdString());
        QCOMPARE(QString::fromStdString(n.layout), layout);
        QCOMPARE(QString::fromStdString(n.variant), variant);
        if (!n.empty()) QCOMPARE(QString::fromStdString(n.text()), text);
    }

    // Every layout the desktop knows.

    void registryIsSortedAndFindsLayouts() {
        std::string why;
        const auto entries = registryEntries(&why);
        QVERIFY2(entries.size() > 400, why.c_str());
        for (std::size_t i = 1; i < entries.size(); ++i)
            QVERIFY(QString::fromStdString(entries[i - 1].description)
                        .compare(QString::fromStdString(entries[i].description),
                                 Qt::CaseInsensitive) <= 0);
        const auto us = findEntry(entries, {"us", {}});
        QVERIFY(us);
        QCOMPARE(entries[*us].description, built("us").description());
        const auto dvorak = findEntry(entries, {"us", "dvorak"});
        QVERIFY(dvorak);
        // The X server's keymap names its group by description: found the same way.
        QCOMPARE(findEntryByDescription(entries, built("de").description()),
                 findEntry(entries, {"de", {}}));
        QCOMPARE(findEntry(entries, {"xx", {}}), std::nullopt);
    }

    void everyLayoutTeachesOnlyWhatItTypes() {
        std::string why;
        const auto entries = registryEntries(&why);
        QVERIFY2(!entries.empty(), why.c_str());
        int builtCount = 0;
        QStringList skipped;
        for (const RegistryEntry& e : entries) {
            const QString name = QString::fromStdString(e.name.text());
            const auto l = layoutFromNames(e.name, &why, kOptions);
            if (!l) {
                // Only what XKB itself cannot compile (a registry entry without its data).
                QVERIFY2(why.rfind("XKB cannot compile", 0) == 0,
                         qPrintable(name + ": " + why.c_str()));
                skipped << name + ": " + QString::fromStdString(why);
                continue;
            }
            ++builtCount;
            const QString fault = faultOf(*l);
            QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
        }
        if (!skipped.isEmpty()) qInfo("Left out: %s", qPrintable(skipped.join("; ")));
        QVERIFY2(builtCount > 500, qPrintable(QString::number(builtCount)));
        QVERIFY(skipped.size() < 5);
    }

    // Where the layout in use comes from.

    void keyboardSettings_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("layout"); // "": none named
        QTest::addColumn<QString>("options");
        QTest::newRow("Debian's file") << "XKBMODEL=\"pc105\"\nXKBLAYOUT=\"de\"\nXKBVARIANT="
                                          "\"nodeadkeys\"\nXKBOPTIONS=\"lv3:ralt_switch\"\n"
                                          "BACKSPACE=\"guess\"\n"
                                       << "de(nodeadkeys)"
                                       << "lv3:ralt_switch";
        QTest::newRow("two layouts, the first") << "XKBLAYOUT=us,ru\nXKBVARIANT=,\n"
                                                << "us"
                                                << "";
        QTest::newRow("commented out") << "# XKBLAYOUT=\"fr\"\nXKBLAYOUT='gb'\n"
                                       << "gb"
                                       << "";
        QTest::newRow("exported") << "export XKBLAYOUT=\"ch\"\nexport XKBVARIANT=\"fr\"\n"
                                  << "ch(fr)"
                                  << "";
        QTest::newRow("empty layout") << "XKBLAYOUT=\"\"\n"
                                      << ""
                                      << "";
        QTest::newRow("X server configuration")
            << "Section \"InputClass\"\n  Identifier \"system-keyboard\"\n"
               "  MatchIsKeyboard \"on\"\n  Option \"XkbLayout\" \"de,us\"\n"
               "  Option \"XkbVariant\" \"nodeadkeys,\"\n  Option \"XkbOptions\" "
               "\"grp:alt_shift_toggle\"\nEndSection\n"
            << "de(nodeadkeys)"
            << "grp:alt_shift_toggle";
        QTest::newRow("X server configuration, commented and lower case")
            << "#  Option \"XkbLayout\" \"fr\"\n  option \"xkblayout\" \"it\"\n"
            << "it"
            << "";
    }
    void keyboardSettings() {
        QFETCH(QString, file);
        QFETCH(QString, layout);
        QFETCH(QString, options);
        const std::string t = file.toStdString();
        auto s = parseDefaultKeyboard(t);
        if (!s) s = parseXorgKeyboardConf(t);
        QCOMPARE(s.has_value(), !layout.isEmpty());
        if (!s) return;
        QCOMPARE(QString::fromStdString(s->name.text()), layout);
        QCOMPARE(QString::fromStdString(s->xkbOptions), options);
    }

    void layoutInUseWithoutAnXServer_data() {
        QTest::addColumn<QStringList>("files"); // "": a file that is not there
        QTest::addColumn<QString>("locale1");   // what the locale service says, if asked
        QTest::addColumn<QString>("layout");
        QTest::addColumn<LayoutSource>("source");
        QTest::addColumn<QString>("why"); // part of what was tried before
        QTest::newRow("the system's file")
            << QStringList{"XKBLAYOUT=\"de\"\n"} << ""
            << "de" << LayoutSource::SystemSetting << "the X server: no X display";
        QTest::newRow("the locale service before the files")
            << QStringList{"XKBLAYOUT=\"de\"\n"} << "fr"
            << "fr" << LayoutSource::SystemSetting << "";
        QTest::newRow("an unknown layout, then the next file")
            << QStringList{"XKBLAYOUT=\"xx\"\n", "XKBLAYOUT=\"it\"\n"} << ""
            << "it" << LayoutSource::SystemSetting << "XKB cannot compile xx";
        QTest::newRow("a file that names none")
            << QStringList{"BACKSPACE=guess\n"} << ""
            << "us" << LayoutSource::Default << "names no layout";
        QTest::newRow("no files: US") << QStringList{""} << ""
                                      << "us" << LayoutSource::Default << "the X server";
    }
    void layoutInUseWithoutAnXServer() {
        QFETCH(QStringList, files);
        QFETCH(QString, locale1);
        QFETCH(QString, layout);
        QFETCH(LayoutSource, source);
        QFETCH(QString, why);
        EnvironmentVariable display("DISPLAY");
        qunsetenv("DISPLAY");
        QTemporaryDir dir;
        LayoutSearch search;
        search.options = kOptions;
        search.settingFiles.clear();
        for (int i = 0; i < files.size(); ++i) {
            const QString path = dir.filePath(QString::number(i));
            if (!files[i].isEmpty()) {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(files[i].toUtf8());
            }
            search.settingFiles.push_back(path.toStdString());
        }
        if (!locale1.isEmpty())
            search.systemSetting = KeyboardSetting{{locale1.toStdString(), {}}, {}};
        const LayoutInUse found = findLayoutInUse(search);
        QCOMPARE(QString::fromStdString(found.layout.name().text()), layout);
        QCOMPARE(found.source, source);
        QVERIFY2(QString::fromStdString(found.why).contains(why), found.why.c_str());
        QVERIFY(found.layout.sameKeys(built(layout)));
    }

    void noXServerFailsCleanly() {
        EnvironmentVariable display("DISPLAY");
        std::string why;
        qunsetenv("DISPLAY");
        QVERIFY(!layoutFromX11(nullptr, &why));
        QCOMPARE(QString::fromStdString(why), QStringLiteral("no X display (DISPLAY is not set)"));
        qputenv("DISPLAY", ":4321");
        QVERIFY(!layoutFromX11(nullptr, &why));
        QCOMPARE(QString::fromStdString(why), QStringLiteral("no X server answers at :4321"));
    }

    void xServerKeymapInItsActiveGroup() {
        PrivateXServer x;
        if (QStandardPaths::findExecutable(QStringLiteral("setxkbmap")).isEmpty() || !x.start())
            QSKIP("needs Xvfb and setxkbmap (x11-xkb-utils)");
        QVERIFY(x.setxkbmap({"-layout", "de"}));
        std::unique_ptr<xcb_connection_t, Disconnect> c(xcb_connect(qPrintable(x.name()), nullptr));
        QVERIFY(!xcb_connection_has_error(c.get()));
        std::string why;
        auto l = layoutFromX11(c.get(), &why, kOptions);
        QVERIFY2(l, why.c_str());
        QCOMPARE(l->name(), (LayoutName{"de", {}}));
        QVERIFY(l->sameKeys(built("de")));

        // Two layouts, the second one active: the keys of the second.
        QVERIFY(x.setxkbmap({"-layout", "us,fr"}));
        l = layoutFromX11(c.get(), &why, kOptions);
        QVERIFY2(l, why.c_str());
        QCOMPARE(l->name(), (LayoutName{"us", {}}));
        xcb_xkb_latch_lock_state(c.get(), XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1, 1, 0, 0, 0);
        xcb_flush(c.get());
        l = layoutFromX11(c.get(), &why, kOptions);
        QVERIFY2(l, why.c_str());
        QCOMPARE(l->name(), (LayoutName{"fr", {}}));
        QVERIFY(l->sameKeys(built("fr")));

        // Through $DISPLAY, as the program asks when it has no connection to give.
        EnvironmentVariable display("DISPLAY");
        qputenv("DISPLAY", x.name().toUtf8());
        QVERIFY(x.setxkbmap({"-layout", "us", "-variant", "dvorak"}));
        LayoutSearch search;
        search.options = kOptions;
        const LayoutInUse found = findLayoutInUse(search);
        QCOMPARE(found.source, LayoutSource::XServer);
        QCOMPARE(found.layout.name(), (LayoutName{"us", "dvorak"}));
        QVERIFY(found.layout.sameKeys(built("us(dvorak)")));
    }

private:
    // What every layout must hold for the drills and the guide: each character a row
    // asks for is typed on a key of that row that this keyboard has, at a level whose
    // modifier keys it has, with a finger; and the composed characters likewise. The
    // first fault, in words; empty when there is none. (Words are made only for a fault:
    // this runs over every layout.)
    static QString faultOf(const Layout& l) {
        const auto pressFault = [&l](const Press& p, char32_t c) -> QString {
            const auto where = [&] { return text(c) + " on " + text(p.key); };
            if (!l.hasKey(p.key)) return where() + ": no such key";
            if (l.finger(p.key) == Finger::None) return where() + ": no finger";
            if (needsShift(p.level) && !l.hasKey(shiftKeyFor(p.key))) return where() + ": no Shift";
            if (needsAltGr(p.level) && !(l.hasAltGr() && l.hasKey(Key::RALT)))
                return where() + ": no AltGr";
            return {};
        };
        std::set<char32_t> seen;
        for (LessonRow r : {kHomeRow, kTopRow, kBottomRow, kNumberRow}) {
            for (char32_t c : l.rowCharacters(r, {true, true})) {
                if (!seen.insert(c).second) return text(c) + " in two rows";
                const auto t = l.typingOf(c);
                if (!t || t->dead) return text(c) + " asked for in a row, typed " + text(t);
                if (rowOf(t->press.key) != r) return text(c) + " typed outside its row";
                if (l.symbol(t->press.key, t->press.level).ch != c)
                    return text(c) + " typed on a key that types another";
                if (QString f = pressFault(t->press, c); !f.isEmpty()) return f;
            }
            // Each key of the row that types something is one finger's, once.
            std::multiset<Key> fingered;
            for (int f = 1; f <= 8; ++f)
                for (Key k : l.fingerKeys(static_cast<Finger>(f), r, true))
                    fingered.insert(k);
            for (Key k : rowKeys(r)) {
                const bool types = std::any_of(kAllLevels.begin(), kAllLevels.end(),
                                               [&](Level lv) { return !l.symbol(k, lv).empty(); });
                if (fingered.count(k) != (types ? 1u : 0u))
                    return text(k) + " taught by " + QString::number(fingered.count(k)) +
                           " fingers";
            }
        }
        for (char32_t c : l.composedCharacters()) {
            const auto t = l.typingOf(c);
            if (!t || !t->dead) return text(c) + " composed, typed " + text(t);
            if (!l.symbol(t->dead->key, t->dead->level).dead)
                return text(c) + " composed without a dead key";
            if (QString f = pressFault(*t->dead, c); !f.isEmpty()) return f;
            if (QString f = pressFault(t->press, c); !f.isEmpty()) return f;
        }
        return {};
    }
};

} // namespace tapwell::layout

QTEST_GUILESS_MAIN(tapwell::layout::TestLayout)
#include "test_layout.moc"
