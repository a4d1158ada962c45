// The main window's start-up, and its Info, Help and Exit buttons.
#include "frmtype.h"

#include "io/regularfile.h"
#include "io/wordlist.h"
#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace tapwell {

namespace {

// The shipped key.dat is a few KB; a file a hundred times larger is not ours, and is
// not read into memory.
constexpr std::size_t kMaxKeyDataBytes = 256 * 1024;

} // namespace

bool FrmType::Form_Load(std::string& error) {
    svc_.random->reseed(secondsSinceMidnight());
    core_->setLoading(true);
    setWindowPicture(imgKeyboard->picture());
    core_->setSounds(g_.AppFile("ding.wav"), g_.AppFile("uhoh.wav"), g_.AppFile("tada.wav"));
    chkUC->setChecked(g_.UseShift != 0);
    chkSound->setChecked(g_.KeySound != 0);
    for (int i = 0; i < 4; ++i)
        if (g_.RowSetting(i) == 1) chkRow[static_cast<std::size_t>(i)]->setChecked(true);
    core_->rowsChanged();

    // Where the results label and each row stand on the screen, for the result and the
    // row arrow.
    core_->setPlaces(topTw(lblSpeed), {topTw(cmdKey(76)), topTw(cmdKey(64)), topTw(cmdKey(88)),
                                       topTw(cmdKey(52)), topTw(pnlSpace)});
    const std::string path = g_.AppFile("key.dat");
    std::string bytes, reason;
    if (!readRegularFile(path, kMaxKeyDataBytes, bytes, reason)) {
        //: A message at start-up. %1 is the file's path, %2 why it cannot be read: "it is a
        //: folder, not a regular file".
        error = tr("Tapwell cannot read its keyboard data file %1: %2")
                    .arg(QString::fromStdString(path), QString::fromStdString(reason))
                    .toStdString();
        return false;
    }
    KeyDataError fault;
    if (!core_->loadKeyData(bytes, fault)) {
        //: A message at start-up. %1 is the file's path, %2 where and how it is damaged:
        //: "value 3 (line 5), FingerKeys(1, 2, 0): expected a number of keys from 0 to 3".
        error = tr("Tapwell's keyboard data file %1 is damaged at %2.")
                    .arg(QString::fromStdString(path), QString::fromStdString(fault.message()))
                    .toStdString();
        return false;
    }
    picKeys->setCaptions(state());

    centreOnScreen(this);
    core_->setLoading(false);
    return true;
}

void FrmType::setLanguage(const QString& language) {
    if (state().words && state().words->language == language.toStdString()) return;
    const std::string path = g_.AppFile("words/" + language.toStdString() + ".txt");
    std::string bytes, reason;
    if (!readRegularFile(path, kMaxWordFileBytes, bytes, reason)) {
        core_->setWords(nullptr);
        return;
    }
    core_->setWords(
        std::make_shared<const LanguageWords>(readWordList(bytes, language.toStdString())));
}

void FrmType::followKeyboard() {
    if (!keyboardSource_) return;
    std::shared_ptr<const LayoutKeys> keys = keyboardSource_();
    if (keys == state().layout) return;
    core_->setLayout(std::move(keys));
    picKeys->setCaptions(state());
}

void FrmType::Command1_Click() {
    shell_->showAbout();
}

void FrmType::cmdHelp_Click(int) {
    shell_->showHelp();
    // When the help window closes, the keys go on to the activity, as after a click on an
    // option box: not to the Help button, where Enter would open the help again.
    if (state().Typing == 1)
        (state().Mode == kTimedDrill ? static_cast<QWidget*>(txtTime) : picDisplay)->setFocus();
    else if (cmdOK->isVisible())
        cmdOK->setFocus();
    else if (cmdOKPractice->isVisible())
        cmdOKPractice->setFocus();
}

void FrmType::cmdExit_Click() {
    shell_->exitProgram();
}

} // namespace tapwell
