#include "TK_ArsivDuzenleF.h"

#include "app/CodePageValidator.h"
#include "app/DateFields.h"
#include "app/FormAyar.h"
#include "app/Prompter.h"
#include "app/QtText.h"
#include "app/TAnaF.h"
#include "app/WindowParts.h"
#include "platform/FileSystem.h"
#include "register/ArchiveCommands.h"
#include "register/NewArchive.h"
#include "store/CatalogueSchemas.h"
#include "widgets/TBanner.h"
#include "widgets/TDBEdit.h"
#include "widgets/TDateEdit.h"
#include "widgets/TFieldLink.h"
#include "widgets/TIloWinButton.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

namespace kartavel::gui {

namespace cols = store::columns;

namespace {

// A shortcut that runs a command of the window.
void shortcut(QWidget* window, const char* objectName, const QKeySequence& keys,
              std::function<void()> run) {
    auto* a = new QAction(window);
    a->setObjectName(QString::fromLatin1(objectName));
    a->setShortcut(keys);
    QObject::connect(a, &QAction::triggered, window, std::move(run));
    window->addAction(a);
}

// The text part of a list whose value is picked: the user may only shorten what it
// shows. Any change that adds characters (typing, pasting, dropping, an input
// method) is refused as a whole; Backspace, Delete and Cut take a part away. A
// pick from the list sets the text directly and is not tested.
class PickedValue : public QValidator {
public:
    PickedValue(std::function<QString()> shown, QObject* parent)
        : QValidator(parent), shown_(std::move(shown)) {}

    State validate(QString& input, int&) const override {
        const QString before = shown_();
        if (input.size() > before.size())
            return Invalid;
        // The same text with one run of characters taken out.
        qsizetype common = 0;
        while (common < input.size() && input[common] == before[common])
            ++common;
        return before.endsWith(QStringView(input).mid(common)) ? Acceptable : Invalid;
    }

private:
    std::function<QString()> shown_;
};

bool isPopupFocus(const QEvent* event) {
    return static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

} // namespace

TK_ArsivDuzenleF::TK_ArsivDuzenleF(TAnaF& main, QWidget* parent)
    : QDialog(parent), catalogue_(main.catalogue), table_(main.catalogue.KayitOrj_T) {
    setObjectName(QStringLiteral("K_ArsivDuzenleF"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 10);
    column->setSpacing(8);
    banner_ = new TBanner(QStringLiteral("Arşiv Düzenle"), QStringLiteral("Label1"), this);
    column->addWidget(banner_);

    GroupBox1_ = new QGroupBox(QStringLiteral(" Arşiv Bilgileri "), this);
    GroupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(GroupBox1_);
    int row = 0;
    auto add = [&](const char* label, QWidget* field, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(label), GroupBox1_);
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row++, 1);
    };

    DBDateEdit1_ = new TDateEdit(GroupBox1_);
    DBDateEdit1_->setObjectName(QStringLiteral("DBDateEdit1"));
    DBDateEdit1_->setFixedWidth(130);
    auto* dateLink = new TFieldLink(table_, cols::TARIHI, DBDateEdit1_, [this] {
        DBDateEdit1_->blockSignals(true);
        setSerialDay(DBDateEdit1_, table_.active()
                                       ? table_.asDate(table_.requireField(cols::TARIHI))
                                       : std::nullopt);
        DBDateEdit1_->blockSignals(false);
    });
    connect(DBDateEdit1_, &TDateEdit::dateChanged, dateLink,
            [this, dateLink] { dateLink->setDate(serialDay(DBDateEdit1_)); });
    dateLink->refresh();
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(DBDateEdit1_);
    dateRow->addStretch(1);
    auto* dateLabel = new QLabel(QStringLiteral("Kayıt Tarihi"), GroupBox1_);
    dateLabel->setBuddy(DBDateEdit1_->lineEdit());
    grid->addWidget(dateLabel, row, 0);
    grid->addLayout(dateRow, row++, 1);

    DBEdit1_ = new TDBEdit(table_, cols::OZEL_KODU, GroupBox1_);
    DBEdit1_->setObjectName(QStringLiteral("DBEdit1"));
    add("Özel Kodu", DBEdit1_, DBEdit1_);
    DBEdit2_ = new TDBEdit(table_, cols::ARSIV_ADI, GroupBox1_);
    DBEdit2_->setObjectName(QStringLiteral("DBEdit2"));
    add("Arşiv Adı", DBEdit2_, DBEdit2_);
    for (auto* e : {DBEdit1_, DBEdit2_})
        e->setValidator(new CodePageValidator({}, e));

    DBComboBox1_ = listField(GroupBox1_, "DBComboBox1", cols::GRUBU);
    add("Grubu", DBComboBox1_, DBComboBox1_);
    DBComboBox2_ = listField(GroupBox1_, "DBComboBox2", cols::ALTGRUB);
    add("Alt Grubu", DBComboBox2_, DBComboBox2_);

    auto* media = new QWidget(GroupBox1_);
    media->setObjectName(QStringLiteral("DBRadioGroup1"));
    auto* mediaRow = new QHBoxLayout(media);
    mediaRow->setContentsMargins(0, 0, 0, 0);
    DBRadioGroup1_ = new QButtonGroup(media);
    int id = 0;
    for (const char* caption : {"Dvd", "Cd", "Klasör"}) {
        auto* r = new QRadioButton(QString::fromUtf8(caption), media);
        r->setObjectName(QStringLiteral("DBRadioGroup1_%1").arg(id));
        DBRadioGroup1_->addButton(r, id++);
        mediaRow->addWidget(r, 1);
    }
    auto* cddvd = new TFieldLink(table_, cols::CDDVD, media, [this] {
        const std::string v = table_.active() ? table_.asString(cols::CDDVD) : std::string();
        // Another stored value marks no choice.
        DBRadioGroup1_->setExclusive(false);
        for (auto* b : DBRadioGroup1_->buttons())
            b->setChecked(v.size() == 1 && DBRadioGroup1_->id(b) == v[0] - '0');
        DBRadioGroup1_->setExclusive(true);
    });
    connect(DBRadioGroup1_, &QButtonGroup::idClicked, cddvd,
            [cddvd](int choice) { cddvd->setText(std::to_string(choice)); });
    cddvd->refresh();
    grid->addWidget(media, row++, 1);
    grid->setColumnStretch(1, 1);

    auto* box = new QHBoxLayout;
    box->setContentsMargins(10, 0, 10, 0);
    box->addWidget(GroupBox1_);
    column->addLayout(box, 1);

    IloWinButton1_ = commandButton(this, "IloWinButton1", QStringLiteral("Kaydet"), 6, {100, 30});
    IloWinButton2_ = commandButton(this, "IloWinButton2", QStringLiteral("İptal"), 7, {100, 30});
    Kapat_ = commandButton(this, "K_ArsivDuzenleF", QStringLiteral("Kapat"), 4, {100, 30});
    column->addLayout(buttonRow({IloWinButton1_, IloWinButton2_, Kapat_}));
    connect(IloWinButton1_, &TIloWinButton::clicked, this, &TK_ArsivDuzenleF::DataSetPost1Execute);
    connect(IloWinButton2_, &TIloWinButton::clicked, this,
            &TK_ArsivDuzenleF::DataSetCancel1Execute);
    connect(Kapat_, &TIloWinButton::clicked, this, &TK_ArsivDuzenleF::K_ArsivDuzenleFClick);
    shortcut(this, "DataSetPost1", QKeySequence(Qt::ALT | Qt::Key_F2),
             [this] { DataSetPost1Execute(); });
    shortcut(this, "DataSetCancel1", QKeySequence(Qt::Key_F3), [this] { DataSetCancel1Execute(); });
    closeAction(this, "Kapat", [this] { K_ArsivDuzenleFClick(); });

    observer_ = table_.addObserver([this] { updateCommands(); });
    updateCommands();
    K_ArsivDuzenleF = this;

    setFixedSize(440, 330);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

TK_ArsivDuzenleF::~TK_ArsivDuzenleF() {
    table_.removeObserver(observer_);
    if (K_ArsivDuzenleF == this)
        K_ArsivDuzenleF = nullptr;
}

QComboBox* TK_ArsivDuzenleF::listField(QWidget* parent, const char* objectName,
                                       std::string_view column) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->installEventFilter(this);
    combo->installEventFilter(this);
    auto* link = new TFieldLink(table_, column, combo, [this, combo, column] {
        const QString v = qs(table_.active() ? table_.asString(column) : std::string());
        if (combo->currentText() != v)
            combo->setEditText(v);
    });
    combo->setValidator(new PickedValue([link] { return qs(link->text()); }, combo));
    // What the field shows is what the record holds, and so what is saved.
    auto take = [this, link](const QString& t) {
        const std::string before = link->text();
        // A list names its value again when the focus leaves it: that is no change.
        if (t.toStdString() == before)
            return;
        link->setText(t.toStdString());
        if (link->field() == table_.requireField(cols::GRUBU) && link->text() != before)
            groupChanged();
    };
    connect(combo, &QComboBox::textActivated, link, take);
    connect(combo->lineEdit(), &QLineEdit::textEdited, link, take);
    link->refresh();
    return combo;
}

void TK_ArsivDuzenleF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TK_ArsivDuzenleF::FormShow() {
    FormAyar(this, nullptr, 10);
}

bool TK_ArsivDuzenleF::eventFilter(QObject* watched, QEvent* event) {
    auto isList = [watched](QComboBox* c) {
        return c && (watched == c || watched == c->lineEdit());
    };
    const bool list1 = isList(DBComboBox1_);
    const bool list2 = isList(DBComboBox2_);
    // Not when the focus only comes back from the list's own pop-up: refilling the
    // list then would take away the item being picked.
    if ((list1 || list2) && event->type() == QEvent::FocusIn && !isPopupFocus(event)) {
        if (list1)
            DBComboBox1Enter();
        else
            DBComboBox2Enter();
    }
    // DBComboBox1KeyPress: of the typed characters only Backspace reaches a list
    // field; a value is picked from the list.
    if ((list1 || list2) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->key() != Qt::Key_Backspace &&
            key->text().at(0).isPrint())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TK_ArsivDuzenleF::DBComboBox1Enter() {
    guardFileWork([this] { fillChoices(DBComboBox1_, reg::groupChoices()); });
    // The sub-group keeps its text: it is what the record holds until the group
    // changes (groupChanged).
}

void TK_ArsivDuzenleF::groupChanged() {
    const std::string group = table_.asString(cols::GRUBU);
    const std::string sub = table_.asString(cols::ALTGRUB);
    guardFileWork([&] {
        if (reg::subGroupBelongs(group, sub))
            return;
        auto* link = DBComboBox2_->findChild<TFieldLink*>();
        link->setText({});
        link->refresh();
    });
}

void TK_ArsivDuzenleF::DBComboBox2Enter() {
    const std::string group = DBComboBox1_->currentText().toStdString();
    guardFileWork([&] { fillChoices(DBComboBox2_, reg::subGroupChoices(group)); });
    if (group.empty())
        DBComboBox2_->setCurrentIndex(-1);
}

void TK_ArsivDuzenleF::updateCommands() {
    const bool editing = table_.editing();
    IloWinButton1_->setEnabled(editing);
    IloWinButton2_->setEnabled(editing);
}

QWidget* TK_ArsivDuzenleF::field(reg::ArchiveField f) const {
    switch (f) {
    case reg::ArchiveField::Date:
        return DBDateEdit1_->lineEdit();
    case reg::ArchiveField::Code:
        return DBEdit1_;
    case reg::ArchiveField::Name:
        return DBEdit2_;
    case reg::ArchiveField::Group:
        return DBComboBox1_;
    case reg::ArchiveField::SubGroup:
        return DBComboBox2_;
    case reg::ArchiveField::MediaKind:
        break;
    }
    return DBRadioGroup1_->buttons().value(0);
}

void TK_ArsivDuzenleF::DataSetPost1Execute() {
    if (!table_.editing())
        return;
    // A refused or failed save keeps what the user typed, in editing, so it can be
    // corrected and saved again, or cancelled; the register stays as it is stored.
    auto refuse = [this](const QString& message, std::optional<reg::ArchiveField> at) {
        ShowInfo(message);
        if (at)
            field(*at)->setFocus();
    };
    if (refuseUnfinishedDate({DBDateEdit1_}))
        return;
    const reg::ArchiveEdit edit = reg::currentArchiveFields(table_);
    if (const auto refusal = reg::checkArchiveSave(table_, edit)) {
        refuse(qs(refusal->message), refusal->field);
        return;
    }
    bool saved = false;
    guardFileWork([&] {
        try {
            reg::editCurrentArchive(catalogue_, edit);
            saved = true;
        } catch (const reg::EditRefused& refusal) {
            ShowInfo(qs(refusal.what()));
        }
    });
    if (!saved && !table_.editing())
        reg::applyArchiveEdit(table_, edit);
}

void TK_ArsivDuzenleF::DataSetCancel1Execute() {
    table_.cancel();
}

void TK_ArsivDuzenleF::K_ArsivDuzenleFClick() {
    close();
}

void TK_ArsivDuzenleF::done(int result) {
    // Changes neither saved nor cancelled go with the window: no half-edited record
    // stays behind to be posted later without the save steps.
    table_.cancel();
    QDialog::done(result);
}

} // namespace kartavel::gui
