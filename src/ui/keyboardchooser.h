// "Keyboard": which keyboard layout a child types on. The keyboard in use (the desktop's
// own) first, then every layout and variant the desktop knows, by its name, with a search
// box that narrows the list as a parent types.
#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tapwell {

class KeyboardChooser final : public QDialog {
    Q_OBJECT
public:
    explicit KeyboardChooser(QWidget* parent = nullptr);

    // Asks, with `current` chosen (as XKB names it: "de", "us(dvorak)"; empty for the
    // keyboard in use); the layout chosen, or nothing when the parent cancels.
    std::optional<QString> choose(const QString& current);

    QLineEdit* txtSearch;
    QListWidget* lstKeyboards;
    QPushButton* cmdOK;

private:
    void fill();
    void narrow(const QString& words);
    bool filled_ = false;
};

} // namespace tapwell
