#include "keyboardchooser.h"

#include "i18n/language.h"
#include "layout/registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tapwell {

KeyboardChooser::KeyboardChooser(QWidget* parent) : QDialog(parent) {
    auto* column = new QVBoxLayout(this);
    searchLabel_ = new QLabel(this);
    txtSearch = new QLineEdit(this);
    txtSearch->setClearButtonEnabled(true);
    searchLabel_->setBuddy(txtSearch);
    listLabel_ = new QLabel(this);
    lstKeyboards = new QListWidget(this);
    lstKeyboards->setMinimumSize(360, 320);
    listLabel_->setBuddy(lstKeyboards);
    // Off, only what a key types alone or with Shift is asked for.
    chkAccents = new QCheckBox(this);
    // The language of the texts and of the Word Drill's words; each by its own name.
    languageLabel_ = new QLabel(this);
    cboLanguage = new QComboBox(this);
    cboLanguage->addItem(QString(), QString());
    for (const QString& language : languages())
        cboLanguage->addItem(languageName(language), language);
    languageLabel_->setBuddy(cboLanguage);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    column->addWidget(searchLabel_);
    column->addWidget(txtSearch);
    column->addWidget(listLabel_);
    column->addWidget(lstKeyboards, 1);
    column->addWidget(chkAccents);
    column->addWidget(languageLabel_);
    column->addWidget(cboLanguage);
    column->addWidget(buttons);
    retranslate();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtSearch, &QLineEdit::textChanged, this, &KeyboardChooser::narrow);
    connect(lstKeyboards, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(lstKeyboards, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        cmdOK->setEnabled(item != nullptr && !item->isHidden());
    });
}

void KeyboardChooser::retranslate() {
    //: The title of the window where a child's keyboard and language are chosen.
    setWindowTitle(tr("Keyboard and language"));
    searchLabel_->setText(tr("&Search:"));
    listLabel_->setText(tr("The &keyboard this child types on:"));
    chkAccents->setText(tr("Use &accents and AltGr"));
    languageLabel_->setText(tr("The &language this child reads:"));
    //: The first of the languages to choose from: whichever the computer is set to.
    cboLanguage->setItemText(0, tr("The computer's language"));
    //: The first of the keyboards to choose from: whichever the computer uses at the time.
    if (filled_) lstKeyboards->item(0)->setText(tr("The keyboard in use"));
}

void KeyboardChooser::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(e);
}

void KeyboardChooser::fill() {
    if (filled_) return;
    filled_ = true;
    //: The first of the keyboards to choose from: whichever the computer uses at the time.
    auto* inUse = new QListWidgetItem(tr("The keyboard in use"), lstKeyboards);
    inUse->setData(Qt::UserRole, QString());
    // Read when first asked for: a few milliseconds the program's start need not pay.
    for (const layout::RegistryEntry& e : layout::registryEntries()) {
        auto* item = new QListWidgetItem(QString::fromStdString(e.description), lstKeyboards);
        item->setData(Qt::UserRole, QString::fromStdString(e.name.text()));
    }
}

void KeyboardChooser::narrow(const QString& words) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < lstKeyboards->count(); ++i) {
        QListWidgetItem* item = lstKeyboards->item(i);
        const bool shown = i == 0 || item->text().contains(words.trimmed(), Qt::CaseInsensitive) ||
                           item->data(Qt::UserRole).toString().startsWith(words.trimmed());
        item->setHidden(!shown);
        if (shown && i > 0 && first == nullptr) first = item;
    }
    // The first match chosen, so Enter takes it.
    if (!words.trimmed().isEmpty() && first != nullptr) lstKeyboards->setCurrentItem(first);
}

std::optional<KeyboardChooser::Choice> KeyboardChooser::choose(const Choice& current) {
    fill();
    txtSearch->clear();
    narrow({});
    lstKeyboards->setCurrentRow(0);
    for (int i = 0; i < lstKeyboards->count(); ++i)
        if (lstKeyboards->item(i)->data(Qt::UserRole).toString() == current.keyboard)
            lstKeyboards->setCurrentRow(i);
    lstKeyboards->scrollToItem(lstKeyboards->currentItem(), QAbstractItemView::PositionAtCenter);
    chkAccents->setChecked(current.accents);
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(current.language)));
    txtSearch->setFocus();
    if (exec() != QDialog::Accepted || lstKeyboards->currentItem() == nullptr) return std::nullopt;
    return Choice{lstKeyboards->currentItem()->data(Qt::UserRole).toString(),
                  chkAccents->isChecked(), cboLanguage->currentData().toString()};
}

} // namespace tapwell
