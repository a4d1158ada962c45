#include "whoistyping.h"

#include "controls.h"
#include "recordwords.h"

#include "palette.h"
#include "progress/children.h"
#include "twips.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <iterator>
#include <string_view>

namespace tapwell {

namespace {

constexpr int kChooserPicturePx = 96;
constexpr int kEditorPicturePx = 48;
constexpr int kColumns = 3;
// What the chooser needs around its children's buttons: the question, a parent's
// buttons, the margins and the window's title bar.
constexpr int kChooserAround = 200;

// "&" in a name is a letter of the name, not an access key.
QString literal(const QString& name) {
    QString s = name;
    return s.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void paintLikeAbout(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kLightOrange);
    pal.setColor(QPalette::WindowText, kMaroon);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// What the children's pictures are called, as a parent and a screen reader hear them. The
// record keeps these names in English; they are translated where they are shown (here and
// beside the child typing now), and the list must name every picture.
constexpr const char* kPictureNames[] = {
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "fox"),
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "owl"),
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "cat"),
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "frog"),
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "bear"),
    //: A child's picture, as a parent and a screen reader hear it.
    QT_TRANSLATE_NOOP("ChildPictures", "fish"),
};

constexpr bool namesEveryPicture() {
    if (std::size(kPictureNames) != progress::kChildPictures.size()) return false;
    for (std::size_t i = 0; i < progress::kChildPictures.size(); ++i)
        if (std::string_view(kPictureNames[i]) != progress::kChildPictures[i]) return false;
    return true;
}
static_assert(namesEveryPicture(), "a child's picture without its name to translate");

QString pictureName(const QString& picture) {
    return QCoreApplication::translate("ChildPictures", picture.toUtf8().constData());
}

} // namespace

Picture childPicture(const QString& name) {
    static QHash<QString, Picture> drawn;
    const QString n = progress::isChildPicture(name) ? name : progress::kChildPictures[0];
    auto it = drawn.find(n);
    if (it == drawn.end())
        it = drawn.insert(n, Picture::fromResource(QStringLiteral(":/pictures/child_%1.svg").arg(n),
                                                   QStringLiteral("child_") + n, QSizeF(96, 96)));
    return *it;
}

// ------------------------------------------------------------------ picture button

PictureButton::PictureButton(QWidget* parent, const Picture& picture, const QString& caption,
                             int picturePx)
    : QPushButton(parent), picture_(picture), caption_(caption), picturePx_(picturePx) {
    setText(caption); // the access key, and what a screen reader says
    setAutoDefault(true);
}

QSize PictureButton::sizeHint() const {
    const QFontMetrics fm(font());
    const int w = std::max(picturePx_, fm.horizontalAdvance(caption_)) + 16;
    return {w, picturePx_ + (caption_.isEmpty() ? 12 : fm.height() + 16)};
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    const QRectF pic((width() - picturePx_) / 2.0, 6, picturePx_, picturePx_);
    picture_.paint(p, pic);
    if (!caption_.isEmpty()) {
        opt.rect = QRect(4, int(pic.bottom()) + 2, width() - 8, height() - int(pic.bottom()) - 6);
        opt.text = caption_;
        style()->drawControl(QStyle::CE_PushButtonLabel, &opt, &p, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

void PictureButton::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    emit focused();
}

// ------------------------------------------------------------------ editor

ChildEditor::ChildEditor(QWidget* parent, const QString& title, const QString& name,
                         const QString& picture)
    : QDialog(parent) {
    setWindowTitle(title);
    paintLikeAbout(this);
    auto* layout = new QVBoxLayout(this);
    //: The child's name.
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameBox = new QLineEdit(name, this);
    nameBox->setMaxLength(progress::kMaxNameLength);
    nameLabel->setBuddy(nameBox);
    layout->addWidget(nameLabel);
    layout->addWidget(nameBox);
    //: Above the pictures a child chooses from.
    layout->addWidget(new QLabel(tr("Picture:"), this));
    auto* row = new QHBoxLayout;
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    int i = 0;
    for (const char* p : progress::kChildPictures) {
        const QString n = QLatin1String(p);
        auto* b = new PictureButton(this, childPicture(n), QString(), kEditorPicturePx);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setAccessibleName(pictureName(n));
        b->setToolTip(pictureName(n));
        b->setChecked(n == picture);
        group_->addButton(b, i++);
        pictures.push_back(b);
        row->addWidget(b);
    }
    if (!group_->checkedButton()) pictures.front()->setChecked(true);
    layout->addLayout(row);
    error_ = new QLabel(this);
    error_->setTextFormat(Qt::PlainText);
    error_->setWordWrap(true);
    error_->hide();
    layout->addWidget(error_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    nameBox->setFocus();
}

QString ChildEditor::name() const {
    return nameBox->text();
}

QString ChildEditor::picture() const {
    const int id = group_->checkedId();
    return QLatin1String(progress::kChildPictures[static_cast<std::size_t>(id < 0 ? 0 : id)]);
}

void ChildEditor::showError(const QString& text) {
    error_->setText(text);
    error_->show();
    nameBox->setFocus();
    nameBox->selectAll();
}

// ------------------------------------------------------------------ chooser

void ChildChooser::retranslate() {
    setWindowTitle(tr("Who is typing?"));
    question_->setText(tr("Who is typing?"));
    cmdAdd->setText(tr("&Add a child…"));
    //: Renames the child whose button has the focus.
    cmdRename->setText(tr("&Rename…"));
    //: Removes the child whose button has the focus.
    cmdRemove->setText(tr("Re&move…"));
}

void ChildChooser::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(e);
}

ChildChooser::ChildChooser(progress::ChildrenService& children)
    : QDialog(nullptr), service_(children) {
    paintLikeAbout(this);
    auto* layout = new QVBoxLayout(this);
    auto* question = question_ = new QLabel(this);
    question->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 15.75, true));
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    // The children's buttons scroll when a class shares one account: the window stays
    // within the screen, its parent's buttons always in reach.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->viewport()->setAutoFillBackground(false);
    scroll_->setFocusPolicy(Qt::NoFocus);
    auto* buttons = new QWidget(scroll_);
    buttons->setAutoFillBackground(false);
    grid_ = new QGridLayout(buttons);
    grid_->setContentsMargins(0, 0, 0, 0);
    scroll_->setWidget(buttons);
    layout->addWidget(scroll_);

    const QFont small = layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    auto* parentRow = new QHBoxLayout;
    cmdAdd = new QPushButton(this);
    cmdRename = new QPushButton(this);
    cmdRemove = new QPushButton(this);
    retranslate();
    for (QPushButton* b : {cmdAdd, cmdRename, cmdRemove}) {
        b->setFont(small);
        b->setAutoDefault(false);
        parentRow->addWidget(b);
    }
    parentRow->addStretch();
    layout->addLayout(parentRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { addClicked(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { renameClicked(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { removeClicked(); });
    // Changed elsewhere (in "My Progress"): the buttons follow while the chooser is open.
    connect(&service_, &progress::ChildrenService::changed, this, [this] {
        if (isVisible()) follow(lastFocused_ < children_.size() ? children_[lastFocused_].id : 0);
    });
}

void ChildChooser::keyPressEvent(QKeyEvent* e) {
    // A child who cannot read yet finds their place by number, too: 1 is the first.
    const int k = e->key();
    if (k >= Qt::Key_1 && k <= Qt::Key_9 && !(e->modifiers() & ~Qt::KeypadModifier)) {
        choose(k - Qt::Key_1);
        return;
    }
    QDialog::keyPressEvent(e);
}

void ChildChooser::setChildren(const QList<progress::Child>& children, qint64 current) {
    children_ = children;
    for (PictureButton* b : childButtons)
        delete b;
    childButtons.clear();
    const QFont nameFont = layoutFont(QStringLiteral("MS Sans Serif"), 12, true);
    lastFocused_ = 0;
    for (int i = 0; i < children_.size(); ++i) {
        const progress::Child& c = children_[i];
        auto* b = new PictureButton(scroll_->widget(), childPicture(c.picture), literal(c.name),
                                    kChooserPicturePx);
        b->setFont(nameFont);
        b->setMinimumWidth(kChooserPicturePx + 40);
        //: A child's button: %1 is the child's name, %2 the number key that chooses them.
        b->setToolTip(plainToolTip(i < 9 ? tr("%1 (key %2)").arg(c.name).arg(i + 1) : c.name));
        grid_->addWidget(b, i / kColumns, i % kColumns);
        connect(b, &QPushButton::clicked, this, [this, i] { choose(i); });
        connect(b, &PictureButton::focused, this, [this, i, b] {
            lastFocused_ = i;
            scroll_->ensureWidgetVisible(b);
        });
        if (i > 0) setTabOrder(childButtons.back(), b);
        childButtons.push_back(b);
        if (c.id == current) lastFocused_ = i;
    }
    if (!childButtons.empty()) {
        setTabOrder(childButtons.back(), cmdAdd);
        childButtons[static_cast<std::size_t>(lastFocused_)]->setFocus();
        childButtons[static_cast<std::size_t>(lastFocused_)]->setDefault(true);
    }
    fitToScreen();
    const bool kept = service_.canChange();
    cmdAdd->setEnabled(kept);
    cmdRename->setEnabled(kept && !children_.isEmpty() && children_.front().id != 0);
    cmdRemove->setEnabled(kept && children_.size() > 1);
}

void ChildChooser::fitToScreen() {
    // As large as the buttons, and no larger than leaves the rest of the window on the
    // screen; scroll bars where they do not fit.
    const QSize content = scroll_->widget()->sizeHint();
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect room = shown ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int most = std::max(room.height() - kChooserAround, kChooserPicturePx);
    const int widest = room.width() - kChooserAround / 2;
    const bool tall = content.height() > most;
    int w = content.width() + (tall ? bar : 0);
    const bool wide = w > widest;
    // At least as wide as the buttons (or the screen), and as wide as the window beside.
    scroll_->setMinimumWidth(std::min(w, widest));
    scroll_->setMaximumWidth(widest);
    scroll_->setFixedHeight(std::min(content.height(), most) + (wide ? bar : 0));
}

int ChildChooser::focused() const {
    return lastFocused_;
}

void ChildChooser::choose(int index) {
    if (index < 0 || index >= children_.size()) return;
    const progress::Child child = children_[index];
    QDialog::accept();
    emit chosen(child);
}

void ChildChooser::reject() {
    QDialog::reject();
    emit back();
}

void ChildChooser::follow(qint64 focus) {
    setChildren(service_.children(), focus);
}

bool ChildChooser::addChild(const QString& name, const QString& picture, QString& error) {
    progress::ChildError fault;
    const std::optional<qint64> id = service_.add(name, picture, fault);
    if (!id) {
        error = childErrorText(fault);
        return false;
    }
    follow(*id);
    return true;
}

bool ChildChooser::changeChild(qint64 id, const QString& name, const QString& picture,
                               QString& error) {
    progress::ChildError fault;
    if (!service_.change(id, name, picture, fault)) {
        error = childErrorText(fault);
        return false;
    }
    follow(id);
    return true;
}

bool ChildChooser::removeChild(qint64 id, QString& error) {
    const QList<progress::Child> before = children_;
    progress::ChildError fault;
    if (!service_.remove(id, fault)) {
        error = childErrorText(fault);
        return false;
    }
    follow(before.front().id == id ? before.back().id : before.front().id);
    return true;
}

void ChildChooser::addClicked() {
    //: The title of the window that asks for the new child's name and picture.
    ChildEditor editor(this, tr("Add a child"), QString(), progress::freePicture(children_));
    while (editor.exec() == QDialog::Accepted) {
        QString error;
        if (addChild(editor.name(), editor.picture(), error)) return;
        editor.showError(error);
    }
}

void ChildChooser::renameClicked() {
    if (children_.isEmpty()) return;
    const progress::Child c = children_[focused()];
    //: The title of the window that asks for a new name: %1 is the child's name now.
    ChildEditor editor(this, tr("Rename %1").arg(c.name), c.name, c.picture);
    while (editor.exec() == QDialog::Accepted) {
        QString error;
        if (changeChild(c.id, editor.name(), editor.picture(), error)) return;
        editor.showError(error);
    }
}

void ChildChooser::removeClicked() {
    if (children_.size() < 2) return;
    const progress::Child c = children_[focused()];
    // A name is shown as it stands, never as rich text.
    //: The title of the question before a child is removed: %1 is the child's name.
    const QString title = tr("Remove %1").arg(c.name);
    QMessageBox question(
        QMessageBox::Question, title,
        //: %1 is the child's name.
        tr("Remove %1, and everything Tapwell has kept of %1's typing?").arg(c.name),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    question.setTextFormat(Qt::PlainText);
    if (question.exec() != QMessageBox::Yes) return;
    QString error;
    if (!removeChild(c.id, error)) {
        QMessageBox warning(QMessageBox::Warning, title, error, QMessageBox::Ok, this);
        warning.setTextFormat(Qt::PlainText);
        warning.exec();
    }
}

} // namespace tapwell
