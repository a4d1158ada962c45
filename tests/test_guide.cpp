// The finger and hand guide: which keys are yellow and which fingers are lit, read off
// the pictures the controls show.
#include "harness.h"

#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

namespace {
const QString kPlainLeft = QStringLiteral("finger_00");
const QString kPlainRight = QStringLiteral("finger_07");
const std::vector<int> kHomeKeyIndexes = {76, 77, 78, 79, 82, 83, 84, 85};
} // namespace

class TestGuide : public QObject {
    Q_OBJECT
private slots:
    void showKeyMarksTheKeyAndItsFinger_data();
    void showKeyMarksTheKeyAndItsFinger();
    void clearKeyLeavesBothHandsPlain();
    void homePositionKeepsFourFingersLit();
    void clearHomeKeysUndoesTheHomePosition();
    void enterSpaceAndShiftKeys();
    void clearAllKeysAfterAnyMixture();
    void codesWithoutAKeyDoNothing();
    void markedKeyShowsTheMarkerPicture();
};

void TestGuide::showKeyMarksTheKeyAndItsFinger_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("a: left little") << int('a') << QList<int>{76} << "finger_01" << kPlainRight;
    QTest::newRow("j: right index") << int('j') << QList<int>{82} << kPlainLeft << "finger_11";
    QTest::newRow("5: left index") << int('5') << QList<int>{56} << "finger_04" << kPlainRight;
    QTest::newRow("/: right little") << int('/') << QList<int>{98} << kPlainLeft << "finger_08";
    // A left-hand key typed with the right Shift: the right hand shows its little finger.
    QTest::newRow("A: with right Shift") << int('A') << QList<int>{76, 99} << "finger_01"
                                         << "finger_08";
    // A right-hand key typed with the left Shift.
    QTest::newRow("K: with left Shift") << int('K') << QList<int>{83, 88} << "finger_01"
                                        << "finger_10";
    QTest::newRow("{: right little with left Shift")
        << int('{') << QList<int>{74, 88} << "finger_01"
        << "finger_08";
}

void TestGuide::showKeyMarksTheKeyAndItsFinger() {
    QFETCH(int, code);
    QFETCH(QList<int>, keys);
    QFETCH(QString, left);
    QFETCH(QString, right);
    Fixture f;
    f.w().core().guide().ShowKey(code);
    const std::vector<int> marked = f.markedKeys();
    QCOMPARE(QList<int>(marked.begin(), marked.end()), keys);
    QCOMPARE(f.leftHand(), left);
    QCOMPARE(f.rightHand(), right);
}

void TestGuide::clearKeyLeavesBothHandsPlain() {
    Fixture f;
    f.w().core().guide().ShowKey('K');
    f.w().core().guide().ClearKey('K');
    QVERIFY(f.markedKeys().empty());
    QCOMPARE(f.leftHand(), kPlainLeft);
    QCOMPARE(f.rightHand(), kPlainRight);
}

void TestGuide::homePositionKeepsFourFingersLit() {
    Fixture f;
    f.w().core().guide().ShowHomeKeys();
    QCOMPARE(int(f.w().state().HomeShown), -1);
    QCOMPARE(f.markedKeys(), kHomeKeyIndexes);
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_12"));
    // An unshifted key is marked, the hands keep their four fingers.
    f.w().core().guide().ShowKey('t');
    QVERIFY(controlsOf(f.w()).cmdKey(68)->picture() == controlsOf(f.w()).imgBack->picture());
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_12"));
    // A shifted key still moves the Shift hand to its little finger.
    f.w().core().guide().ShowKey('T');
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_08"));
    // Clearing a key while the home position stands leaves the hands alone.
    f.w().core().guide().ClearKey('t');
    QCOMPARE(f.leftHand(), QStringLiteral("finger_05"));
}

void TestGuide::clearHomeKeysUndoesTheHomePosition() {
    Fixture f;
    f.w().core().guide().ShowHomeKeys();
    f.w().core().guide().ClearHomeKeys();
    QCOMPARE(int(f.w().state().HomeShown), 0);
    QVERIFY(f.markedKeys().empty());
    QCOMPARE(f.leftHand(), kPlainLeft);
    QCOMPARE(f.rightHand(), kPlainRight);
    // From now on the hands follow the keys again.
    f.w().core().guide().ShowKey('d');
    QCOMPARE(f.leftHand(), QStringLiteral("finger_03"));
}

void TestGuide::enterSpaceAndShiftKeys() {
    Fixture f;
    FrmType& w = f.w();
    w.core().guide().ShowEnterKey();
    QCOMPARE(f.markedKeys(), std::vector<int>{87});
    QCOMPARE(f.rightHand(), QStringLiteral("finger_08"));
    w.core().guide().ClearEnterKey();
    QCOMPARE(f.rightHand(), kPlainRight);

    w.core().guide().ShowSpaceBar();
    QCOMPARE(controlsOf(w).pnlSpace->backColor(), QColor(255, 255, 0));
    QCOMPARE(f.leftHand(), QStringLiteral("finger_06"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_13"));
    w.core().guide().ClearSpaceBar();
    QCOMPARE(controlsOf(w).pnlSpace->backColor(), QColor(192, 192, 192));
    QCOMPARE(f.leftHand(), kPlainLeft);
    QCOMPARE(f.rightHand(), kPlainRight);

    w.core().guide().ShowLeftShift();
    w.core().guide().ShowRightShift();
    QCOMPARE(f.markedKeys(), (std::vector<int>{88, 99}));
    QCOMPARE(f.leftHand(), QStringLiteral("finger_01"));
    QCOMPARE(f.rightHand(), QStringLiteral("finger_08"));
    w.core().guide().ClearLeftShift();
    QCOMPARE(f.markedKeys(), std::vector<int>{99});
    QCOMPARE(f.leftHand(), kPlainLeft);
    w.core().guide().ClearRightShift();
    QVERIFY(f.markedKeys().empty());
}

void TestGuide::clearAllKeysAfterAnyMixture() {
    Fixture f;
    FrmType& w = f.w();
    w.core().guide().ShowHomeKeys();
    w.core().guide().ShowKey('Q');
    w.core().guide().ShowKey('&');
    w.core().guide().ShowEnterKey();
    w.core().guide().ShowSpaceBar();
    for (int c = 33; c <= 126; ++c)
        w.core().guide().ShowKey(c);
    w.core().guide().ClearAllKeys();
    QVERIFY(f.markedKeys().empty());
    QCOMPARE(controlsOf(w).pnlSpace->backColor(), QColor(192, 192, 192));
    QCOMPARE(f.leftHand(), kPlainLeft);
    QCOMPARE(f.rightHand(), kPlainRight);
    QCOMPARE(int(w.state().HomeShown), -1); // left for the next ClearHomeKeys
}

void TestGuide::codesWithoutAKeyDoNothing() {
    Fixture f;
    for (int c : {-1, 0, 9, 13, 32, 92, 96, 124, 126, 127, 200, 256, 30000}) {
        f.w().core().guide().ShowKey(c);
        f.w().core().guide().ClearKey(c);
    }
    QVERIFY(f.markedKeys().empty());
    QCOMPARE(f.leftHand(), kPlainLeft);
}

void TestGuide::markedKeyShowsTheMarkerPicture() {
    Fixture f;
    f.w().core().guide().ShowKey('g');
    const Picture marker = controlsOf(f.w()).cmdKey(80)->picture();
    QCOMPARE(marker.name(), QStringLiteral("key marker"));
    // The marker is larger than the widest key, so it covers any key's face.
    QVERIFY(marker.naturalSize().width() >= controlsOf(f.w()).cmdKey(87)->width());
    QVERIFY(marker.naturalSize().height() >= controlsOf(f.w()).cmdKey(87)->height());
}

QTEST_MAIN(TestGuide)
#include "test_guide.moc"
