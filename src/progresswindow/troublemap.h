// The trouble map of "My Progress": the on-screen keyboard itself, each key coloured by
// how often it is missed, with a legend of the scale.
#pragma once

#include "progress/stats.h"
#include "state/keytables.h"

#include <QColor>
#include <QWidget>

#include <map>

namespace tapwell {

class OnScreenKeyboard;
class Picture;

// The trouble map's colour for a key's error rate: light cream at no misses to dark red
// at kWorstRate and above, one hue whose lightness alone tells the rate, so it reads in
// greyscale and for colour-blind eyes.
inline constexpr double kWorstRate = 0.4;
QColor troubleColour(double errorRate);
// Black or white, whichever reads on that face.
QColor captionColourOn(const QColor& face);
// The face of a key never asked for: grey with stripes, unlike any colour of the scale.
const Picture& neverAskedFace();
// The space bar's, never asked for: the same stripes across the whole bar.
const Picture& neverAskedSpaceBar();
// The map's hands (0 left, 1 right): the keyboard's plain hands without their red square.
const Picture& mapHand(int hand);

// The scale and the stripes, explained.
class TroubleLegend : public QWidget {
    Q_OBJECT
public:
    explicit TroubleLegend(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

// Colours each key of `map` (and its space bar) by the keys' numbers, with a tooltip that
// says them; tables may be null, when the program has no key data to name them by.
void fillTroubleMap(OnScreenKeyboard& map, const KeyTables* tables,
                    const std::map<int, progress::KeyStats>& keys);

} // namespace tapwell
