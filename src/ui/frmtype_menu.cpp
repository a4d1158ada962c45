// The mode menu: each choice sets up the screen of its activity. And the option
// boxes, which keep the saved options up to date.
#include "frmtype.h"

#include "twips.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tapwell {

void FrmType::cmdMenu_Click(int Index) {
    followKeyboard();
    core_->chooseMode(Index);
    const int mode = Index;
    imgArrow->hide();
    shpChar->hide();
    setWindowPicture(Picture());
    fraMenu->hide();
    fraHelp->hide();
    picKeys->show();

    switch (mode) {
    case kLearnKeyboard:
        fraLearn->show();
        shpLearn->show();
        cmdLearn[0]->setFocus(); // not left on the hidden menu, for the keyboard alone
        break;
    case kKeyboardPractice:
    case kCharacterDrill:
    case kWordDrill: {
        picDisplay->Cls();
        picDisplay->show();
        //: Before a drill starts; printed a line for each line break (about 30 characters a line).
        for (const QString& line : tr("Let your fingers find the\n"
                                      "keys while watching the screen\n"
                                      "to see where the keys are.\n"
                                      "Make sure your hands are in\n"
                                      "home position before starting.")
                                       .split(QLatin1Char('\n')))
            printLine(line.toStdString());
        setTopTw(imgArrow, state().RowTop(kHomeRow));
        imgArrow->show();
        imgHand[0]->show();
        imgHand[1]->show();
        core_->guide().ShowHomeKeys();
        cmdOK->show();
        const char* const captions[] = {"",
                                        //: The frame of the drill's rows and options.
                                        QT_TR_NOOP("Practice Drill"),
                                        //: The frame of the drill's rows and options.
                                        QT_TR_NOOP("Character Drill"),
                                        //: The frame of the drill's rows and options.
                                        QT_TR_NOOP("Word Drill")};
        drillCaption_ = captions[mode];
        fraDrill->setCaption(tr(drillCaption_));
        if (mode == kWordDrill) {
            // There are no number-row words: the Number Row box is out of play until
            // the drill stops, and a row stays chosen. The home row is checked before
            // the Number Row is unchecked, so a row is chosen all along.
            const RowChoice rows = wordDrillRows(checkedRows());
            for (std::size_t i = 0; i < rows.size(); ++i)
                chkRow[i]->setChecked(rows[i]);
            chkRow[3]->setEnabled(false);
        }
        fraDrill->show();
        shpLearn->show();
        cmdOK->setFocus();
        break;
    }
    case kTimedDrill:
        //: The Timed Drill's box, before the drill starts; the child types over it.
        txtTime->setPlainText(tr("Type in words from a book or something else. When done, press "
                                 "Enter to see your typing speed. Keep your hands in home "
                                 "position as you type."));
        fraTime->show();
        txtTime->show();
        core_->guide().ShowHomeKeys();
        cmdOK->show();
        cmdOK->setFocus();
        break;
    default:
        break;
    }
}

void FrmType::cmdTricky_Click() {
    cmdMenu_Click(kCharacterDrill);
    //: The frame of the Character Drill's rows and options when its lines come from the
    //: child's record.
    drillCaption_ = QT_TR_NOOP("Tricky Keys");
    fraDrill->setCaption(tr(drillCaption_));
    core_->setTricky(true);
}

void FrmType::chkRow_Click(int Index) {
    if (state().Loading == 1) return;
    g_.RowSetting(Index) = chkRow[static_cast<std::size_t>(Index)]->isChecked() ? 1 : 0;
    core_->rowsChanged();
    if (state().RowCount > 0)
        picDisplay->setFocus();
    else
        chkRow[static_cast<std::size_t>(Index)]->setChecked(true); // a row always stays chosen
}

void FrmType::chkSound_Click() {
    if (state().Loading == 1) return;
    g_.KeySound = chkSound->isChecked() ? 1 : 0;
    picDisplay->setFocus();
}

void FrmType::chkUC_Click() {
    if (state().Loading == 1) return;
    g_.UseShift = chkUC->isChecked() ? 1 : 0;
    picDisplay->setFocus();
}

} // namespace tapwell
