// The on-screen keyboard: the keys, the space bar, the two hands and the row arrow on a
// blue board. It draws the guide's model: a marked key shows the yellow marker and a
// thick dark ring (so it stands out without its colour), each hand shows the finger
// picture the model names, the space bar turns yellow and is ringed the same way.
#pragma once

#include "guide/guidemodel.h"
#include "layout/keys.h"
#include "state/table.h"
#include "ui/controls.h"

#include <array>

namespace tapwell {

class OnScreenKeyboard final : public PictureBox, public GuideView {
    Q_OBJECT
public:
    explicit OnScreenKeyboard(QWidget* parent);

    void keyMarked(int key, bool marked) override;
    void handShows(int hand, int picture) override;
    void spaceBarMarked(bool marked) override;

    // Each key's caption from the layout in use, and where its Shift character is not its
    // letter's capital, that small above the caption ("!" on the 1 key): from the key
    // data once it is read, and again when the layout changes.
    void setCaptions(const KeyTables& tables);
    // The ISO shape (the key left of Z, the one right of the home row, a two-row Enter)
    // or the designed one.
    void setShape(bool iso);
    // The captions of the keys with words on them (Enter, Shift, AltGr), in the language now
    // in use.
    void retranslate();

    // Named as in our layout tables.
    Table1<SSCommand*, 52, 103> cmdKey; // 100 and up: see kIsoLeftKey, kAltGrKey
    SSPanel* pnlSpace;
    std::array<ImageBox*, 14> imgFinger{}; // per hand: plain, four fingers lit, four, thumb
    std::array<ImageBox*, 2> imgHand{};
    ImageBox* imgBack;  // the key marker
    ImageBox* imgArrow; // the row arrow

protected:
    void changeEvent(QEvent* e) override;
};

} // namespace tapwell
