// What the typing core shows through the main window: the arrow, the cursor box, the
// results, the buttons and the focus, and the display it prints on.
#include "frmtype.h"

#include "accessibility.h"

#include "pictures.h"
#include "twips.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace tapwell {

namespace {

// Below this a result would no longer be readable; the frame cannot hold more anyway.
constexpr int kSmallestSpeedPx = 6;

// The height a label's lines take, descenders of the last line included.
int linesHeight(const QFontMetrics& fm, qsizetype lines) {
    return static_cast<int>(lines - 1) * fm.lineSpacing() + fm.height() + 1;
}

} // namespace

// --- the display

void PictureDisplay::Cls() {
    box_->Cls();
}
void PictureDisplay::Print(const std::string& text, bool endLine) {
    box_->Print(QString::fromStdString(text), endLine);
}
void PictureDisplay::Refresh() {
    box_->Refresh();
}
double PictureDisplay::currentX() const {
    return box_->CurrentX;
}
void PictureDisplay::setCurrentX(double x) {
    box_->CurrentX = x;
}
double PictureDisplay::currentY() const {
    return box_->CurrentY;
}
void PictureDisplay::setCurrentY(double y) {
    box_->CurrentY = y;
}
int PictureDisplay::TextWidth(const std::string& text) const {
    return box_->TextWidth(QString::fromStdString(text));
}
int PictureDisplay::TextHeight(const std::string& text) const {
    return box_->TextHeight(QString::fromStdString(text));
}
int PictureDisplay::WidthTw() const {
    return box_->WidthTw();
}
bool PictureDisplay::isShown() const {
    return box_->isVisible();
}

// --- the arrow, the cursor box and the results

void FrmType::placeArrow(int row) {
    setTopTw(imgArrow, state().RowTop.at(row));
}

void FrmType::showArrow(bool shown) {
    imgArrow->setVisible(shown);
}

void FrmType::showCursor(int x, int y, int width, int height) {
    place(shpChar, x, y, width, height);
    shpChar->show();
}

void FrmType::moveCursor(int x) {
    setLeftTw(shpChar, x);
}

void FrmType::hideCursor() {
    shpChar->hide();
}

void FrmType::showResult(const std::string& text, int top) {
    hasResult_ = true;
    resultText_ = QString::fromStdString(text);
    resultTop_ = top;
    layoutResult();
    fraSpeed->show();
    fraSpeed->repaint(); // on screen before the end sound plays
    // Said too: the focus stays on OK, and a child who listens hears how it went.
    tellResultShown(*this, QString(resultText_).replace(QLatin1Char('\n'), QStringLiteral(", ")));
}

void FrmType::layoutResult() {
    if (!hasResult_) return;
    const QString& caption = resultText_;
    lblSpeed->setText(caption);
    // The label spans the frame's inside, its text centred where the layout centres it,
    // and is as high as its lines need (a Word Drill result has two). No speed, however
    // large, and no descender is cut: a text that would not fit is set smaller.
    const double scale = layoutScale(this);
    const int inset = scaledLine(this, 2);
    const QRect frame = placedTw(fraSpeed);
    place(lblSpeed, tw(2), resultTop_, frame.width() - tw(4), 270);
    const int y = lblSpeed->y();
    const int width = fraSpeed->width() - 2 * inset;
    const int room = fraSpeed->height() - inset - y;
    const QStringList lines = caption.split(QLatin1Char('\n'));
    QFont font = lblSpeed->font();
    const int largest = std::max(1, static_cast<int>(std::lround(speedFontPx_ * scale)));
    for (int size = largest; size >= std::min(largest, kSmallestSpeedPx); --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest <= width && linesHeight(fm, lines.size()) <= room) break;
    }
    lblSpeed->setFont(font);
    const int needed = linesHeight(QFontMetrics(font), lines.size());
    lblSpeed->setGeometry(inset, y, width, std::max(scaledPx(this, 270), needed));
}

void FrmType::hideResult() {
    fraSpeed->hide();
}

// --- buttons and focus

void FrmType::showOk() {
    cmdOK->show();
    cmdOK->setFocus();
}

void FrmType::hideOk() {
    cmdOK->hide();
}

void FrmType::showOkPractice() {
    cmdOKPractice->show();
    cmdOKPractice->setFocus();
}

void FrmType::hideOkPractice() {
    cmdOKPractice->hide();
}

void FrmType::showDisplay() {
    picDisplay->show();
}

void FrmType::focusDisplay() {
    picDisplay->setFocus();
}

void FrmType::showHands(bool shown) {
    imgHand[0]->setVisible(shown);
    imgHand[1]->setVisible(shown);
}

void FrmType::enableLessonChoices(bool enabled) {
    for (QPushButton* b : cmdLearn)
        b->setEnabled(enabled);
}

void FrmType::startTimedBox() {
    txtTime->clear();
    fraTime->show();
    txtTime->show();
    txtTime->setFocus(); // so the child can type at once
}

int FrmType::timedTextLength() const {
    return static_cast<int>(txtTime->toPlainText().size());
}

// --- Stop

void FrmType::hideActivity() {
    cmdOK->hide();
    cmdOKPractice->hide();
    imgArrow->hide();
    fraSpeed->hide();
    picDisplay->hide();
    imgHand[0]->hide();
    imgHand[1]->hide();
    hideLessonButtons();
}

void FrmType::backToLessonChoices() {
    cmdLearn[0]->setFocus();
}

void FrmType::backToMenu(int frame) {
    switch (frame) {
    case 0:
        fraLearn->hide();
        shpLearn->hide();
        break;
    case 1:
        fraDrill->hide();
        shpLearn->hide();
        chkRow[3]->setEnabled(true); // the Number Row box, out of play in a Word Drill
        break;
    case 2:
        fraTime->hide();
        txtTime->hide();
        break;
    default:
        break;
    }
    picKeys->hide();
    fraMenu->show();
    setWindowPicture(imgKeyboard->picture());
    fraHelp->show();
    if (state().Mode >= 0 && state().Mode <= 4)
        cmdMenu[static_cast<std::size_t>(state().Mode)]->setFocus(); // keyboard users carry on here
}

} // namespace tapwell
