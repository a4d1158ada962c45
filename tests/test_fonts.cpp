// On a machine without the fonts we name, the text display still gets a fixed-pitch
// font, so typed characters stand under their models.
#include "harness.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>

using namespace tapwell;
using namespace tapwell::test;

class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void theDisplayStaysFixedPitch() {
        QVERIFY2(!QFontDatabase::families().contains(QStringLiteral("Liberation Mono")),
                 "the test's font configuration should hide our fonts");
        Fixture f;
        const QFontInfo info(f.w().picDisplay->font());
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        QCOMPARE(f.w().picDisplay->TextWidth(QStringLiteral("iiiii")),
                 f.w().picDisplay->TextWidth(QStringLiteral("WWWWW")));
        // A drill line still starts under its first character.
        Fixture::click(f.w().cmdMenu[2]);
        Fixture::click(f.w().cmdOK);
        QCOMPARE(f.w().shpChar->x() * 15, int(f.w().PenX));
    }
};

QTEST_MAIN(TestFonts)
#include "test_fonts.moc"
