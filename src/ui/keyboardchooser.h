// "Keyboard": which keyboard layout a child types on. The keyboard in use (the desktop's
// own) first, then every layout and variant the desktop knows, by its name, with a search
// box that narrows the list as a parent types.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tapwell {

class KeyboardChooser final : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardChooser(QWidget* parent = nullptr);

    struct Choice {
        QString keyboard;     // as XKB names it: "de", "us(dvorak)"; empty for the one in use
        bool accents = false; // asked for what needs AltGr or a dead key
        QString language;     // the language the child reads ("de"); empty: the desktop's
    };
    // Asks, with `current` chosen; the choice, or nothing when the parent cancels.
    std::optional<Choice> choose(const Choice& current);

    QLineEdit* txtSearch;
    QCheckBox* chkAccents;
    QComboBox* cboLanguage;
    QListWidget* lstKeyboards;
    QPushButton* cmdOK;

protected:
    void changeEvent(QEvent* e) override;

private:
    // Every text of the window, in the language in use.
    void retranslate();
    void fill();
    void narrow(const QString& words);
    bool filled_ = false;
    QLabel* searchLabel_;
    QLabel* listLabel_;
    QLabel* languageLabel_;
};

} // namespace tapwell
