#include "ui/keyboardwidget.h"

#include "ui/palette.h"
#include "ui/pictures.h"
#include "ui/twips.h"

namespace tapwell {

namespace {

// Black: over 15:1 against an unmarked key's light face, and against the yellow.
const QColor& kMarkRing = kBlack;

struct KeyRow {
    int first, last, left, top;
    const char* captions;
};

// The keys row by row from the top; they stand 600 twips apart and overlap their
// neighbours by one pixel.
constexpr KeyRow kKeyRows[] = {
    {52, 63, 960, 120, "1234567890-="},
    {64, 75, 1200, 720, "QWERTYUIOP[]"},
    {76, 86, 1560, 1320, "ASDFGHJKL;'"},
    {89, 98, 1800, 1920, "ZXCVBNM,./"},
};
constexpr int kKeySize = 615;
constexpr int kKeyStep = 600;
constexpr int kPicturesPerHand = 7;

} // namespace

OnScreenKeyboard::OnScreenKeyboard(QWidget* parent) : PictureBox(parent, kBlue, kBlack) {
    const Pictures& pics = Pictures::get();
    // A click on the keyboard must not take the focus from where the child types.
    setFocusPolicy(Qt::NoFocus);

    pnlSpace = new SSPanel(this);
    pnlSpace->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    pnlSpace->setBackColor(kLightGrey);
    place(pnlSpace, 2760, 2520, 4215, 615);

    const QFont keyFont = layoutFont(QStringLiteral("Arial"), 14.25, true);
    const QFont wideKeyFont = layoutFont(QStringLiteral("Arial"), 12, true);
    const auto makeKey = [&](int index, const QString& caption, int left, int top, int width) {
        auto* key = new SSCommand(this);
        key->setText(caption);
        key->setFont(caption.size() == 1 ? keyFont : wideKeyFont);
        key->setFocusPolicy(Qt::NoFocus);
        place(key, left, top, width, kKeySize);
        cmdKey(index) = key;
    };
    for (const KeyRow& row : kKeyRows)
        for (int i = row.first; i <= row.last; ++i)
            makeKey(i, QString(QChar::fromLatin1(row.captions[i - row.first])),
                    row.left + kKeyStep * (i - row.first), row.top, kKeySize);
    makeKey(kEnterKey, QStringLiteral("Enter"), 8160, 1320, 1215);
    makeKey(kLeftShiftKey, QStringLiteral("Shift"), 720, 1920, 1095);
    makeKey(kRightShiftKey, QStringLiteral("Shift"), 7800, 1920, 1095);
    // (The words on these keys are put in the language in use by retranslate(), below.)
    // The ISO keys, shown where the layout has them.
    for (int k : {kIsoLeftKey, kIsoRightKey}) {
        makeKey(k, QString(), 0, 0, kKeySize);
        cmdKey(k)->hide();
    }
    // AltGr, right of the space bar, where the child is asked for what it types.
    makeKey(kAltGrKey, QStringLiteral("AltGr"), 7035, 2520, 720);
    cmdKey(kAltGrKey)->setFont(layoutFont(QStringLiteral("Arial"), 9.75, true));
    cmdKey(kAltGrKey)->hide();
    retranslate();

    for (int k = 0; k < 2 * kPicturesPerHand; ++k) {
        auto* img = new ImageBox(this, true);
        const int i = k % kPicturesPerHand;
        place(img, k < kPicturesPerHand ? 0 : 480, 360 * i, 375, 375);
        img->setPicture(pics.finger[static_cast<std::size_t>(k)]);
        img->hide();
        imgFinger[static_cast<std::size_t>(k)] = img;
    }
    for (int h = 0; h < 2; ++h) {
        auto* img = new ImageBox(this, true);
        place(img, h == 0 ? 960 : 7800, 2640, 855, 735);
        img->setPicture(pics.finger[h == 0 ? 0 : kPicturesPerHand]);
        img->hide();
        imgHand[static_cast<std::size_t>(h)] = img;
    }
    imgBack = new ImageBox(this, false);
    place(imgBack, 1800, 2640, 1380, 615);
    imgBack->setPicture(pics.keyMarker);
    imgBack->hide();
    imgArrow = new ImageBox(this, true);
    place(imgArrow, 0, 2640, 735, 645);
    imgArrow->setPicture(pics.arrow);
    imgArrow->hide();
}

void OnScreenKeyboard::keyMarked(int key, bool marked) {
    cmdKey(key)->setPicture(marked ? imgBack->picture() : Picture());
    cmdKey(key)->setRing(marked ? kMarkRing : QColor());
}

void OnScreenKeyboard::handShows(int hand, int picture) {
    imgHand[static_cast<std::size_t>(hand - 1)]->setPicture(
        imgFinger[static_cast<std::size_t>((hand - 1) * kPicturesPerHand + picture)]->picture());
}

void OnScreenKeyboard::spaceBarMarked(bool marked) {
    pnlSpace->setBackColor(marked ? kYellow : kLightGrey);
    pnlSpace->setRing(marked ? kMarkRing : QColor());
}

void OnScreenKeyboard::retranslate() {
    //: The caption of the on-screen keyboard's Enter key.
    cmdKey(kEnterKey)->setText(tr("Enter"));
    //: The caption of the on-screen keyboard's left Shift key.
    cmdKey(kLeftShiftKey)->setText(tr("Shift"));
    //: The caption of the on-screen keyboard's right Shift key.
    cmdKey(kRightShiftKey)->setText(tr("Shift"));
    //: The caption of the on-screen keyboard's AltGr key (right of the space bar).
    cmdKey(kAltGrKey)->setText(tr("AltGr"));
}

void OnScreenKeyboard::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    PictureBox::changeEvent(e);
}

void OnScreenKeyboard::setShape(bool iso) {
    // A place on the keyboard's grid of tenths of a key, in twips; the ISO Enter stands
    // on two rows, as wide as its lower part.
    const auto put = [](SSCommand* key, layout::Key k) {
        const layout::KeyPlace p = layout::placeOf(k, layout::Shape::Iso);
        const layout::KeyRect& r = p.twoRows() ? p.lower : p.upper;
        place(key, 360 + 60 * r.left, 120 + 600 * p.upper.row, 60 * r.width + 15,
              p.twoRows() ? kKeySize + kKeyStep : kKeySize);
    };
    if (iso) {
        put(cmdKey(kEnterKey), layout::Key::RTRN);
        put(cmdKey(kLeftShiftKey), layout::Key::LFSH);
        put(cmdKey(kIsoLeftKey), layout::Key::LSGT);
        put(cmdKey(kIsoRightKey), layout::Key::BKSL);
    } else {
        place(cmdKey(kEnterKey), 8160, 1320, 1215, kKeySize);
        place(cmdKey(kLeftShiftKey), 720, 1920, 1095, kKeySize);
    }
    for (int k : {kIsoLeftKey, kIsoRightKey})
        cmdKey(k)->setVisible(iso);
    // The narrow ISO Enter holds its word in a smaller letter.
    cmdKey(kEnterKey)->setFont(layoutFont(QStringLiteral("Arial"), iso ? 9.75 : 12, true));
}

void OnScreenKeyboard::setCaptions(const KeyTables& tables) {
    setShape(tables.layout && tables.layout->iso);
    cmdKey(kAltGrKey)->setVisible(tables.layout && tables.layout->altGrKey);
    // A key's caption and its small Shift character: the layout's, or the designed ones
    // (the Shift characters from the key data below).
    const auto show = [&](int key, const QString& designed) {
        QString caption = designed, shifted;
        if (tables.layout) {
            const auto it = tables.layout->captions.find(key);
            const bool known = it != tables.layout->captions.end();
            caption = known ? QString::fromStdString(it->second.first) : QString();
            shifted = known ? QString::fromStdString(it->second.second) : QString();
        }
        cmdKey(key)->setText(caption);
        cmdKey(key)->setShiftCaption(shifted);
    };
    for (int k : {kIsoLeftKey, kIsoRightKey})
        show(k, {});
    for (const KeyRow& row : kKeyRows)
        for (int i = row.first; i <= row.last; ++i)
            show(i, QString(QChar::fromLatin1(row.captions[i - row.first])));
    if (tables.layout) return;
    for (int c = 33; c <= 122; ++c) {
        const int shifted = tables.ShiftChar(c);
        const int key = keyIndexOf(tables, c);
        if (shifted == 0 || key == 0) continue;
        const QChar plain = QChar::fromLatin1(static_cast<char>(c));
        const QChar upper = QChar::fromLatin1(static_cast<char>(shifted));
        if (upper == plain.toUpper()) continue; // a letter: its caption is the capital
        cmdKey(key)->setShiftCaption(QString(upper));
    }
}

} // namespace tapwell
