#include "compositewindow.h"

#include "printbar.h"
#include "sketchpane.h"

#include "model/certainty.h"
#include "model/compositefile.h"
#include "model/expression.h"
#include "model/materials.h"
#include "model/variants.h"
#include "names.h"
#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "runtime/events.h"
#include "runtime/look.h"
#include "runtime/messages.h"
#include "runtime/windows.h"
#include "solids/compositesketch.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace worked {

namespace {

constexpr rt::FontSpec kText{"MS Sans Serif", 9.75};
constexpr rt::FontSpec kButtons{"MS Sans Serif", 9.75};
const QString kTitle = QStringLiteral("Zusammengesetzter Körper");
const QString kSuffix = QStringLiteral("solvanto");
const QString kFilter = QStringLiteral("Körper (*.solvanto)");

// A joint to an earlier part as a chooser's entry keeps both in one number.
constexpr int kJointsPerTarget = 16;
constexpr int kJointCount = int(std::size(model::kJoints));
static_assert(kJointCount < kJointsPerTarget);

int jointData(int target, int joint)
{
    return target * kJointsPerTarget + joint;
}

int jointIndex(model::Joint joint)
{
    return int(std::find(std::begin(model::kJoints), std::end(model::kJoints), joint) -
               std::begin(model::kJoints));
}

QString ofPart(const QString& caption, int number)
{
    return caption + QStringLiteral(" Teil ") + QString::number(number);
}

QString shownPath(const QString& path)
{
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path));
}

void deleteWidgets(const QuantityRow& row)
{
    delete row.caption;
    delete row.box;
    delete row.unit;
    delete row.fixedUnit;
}

model::Typed typed(const QuantityRow& row)
{
    return {row.box->text(), row.unit ? row.unit->currentText() : QString()};
}

// A unit as a file names it; the base unit where it names none or one the
// row does not offer.
void chooseUnit(const QuantityRow& row, const QString& unit, const model::Dimension& dimension)
{
    if (!row.unit)
        return;
    const int index = row.unit->findText(unit);
    row.unit->setCurrentIndex(
        index >= 0 ? index
                   : row.unit->findText(QString::fromUtf8(model::defaultUnit(dimension).text)));
}

} // namespace

CompositeWindow::CompositeWindow()
    : solutionsBox_(new QWidget(this))
    , solutionsLayout_(new QHBoxLayout(solutionsBox_))
    , solutions_(new QButtonGroup(this))
    , rowsBox_(new QWidget(this))
    , partsLayout_(new QVBoxLayout)
    , addPart_(new QPushButton(QStringLiteral("Teil hinzufügen"), rowsBox_))
    , removePart_(new QPushButton(QStringLiteral("Teil entfernen"), rowsBox_))
    , unknownsGroup_(new QGroupBox(QStringLiteral("Unbekannte"), rowsBox_))
    , wholeGroup_(new QGroupBox(rowsBox_))
    , wholeGrid_(new QGridLayout(wholeGroup_))
    , sketch_(new SketchPane(this))
    , text_(new QTextEdit(this))
    , print_(new PrintBar(this, [this] { return document(); }))
{
    setObjectName(QString::fromUtf8(names::kComposite));
    setWindowTitle(kTitle);
    setFont(rt::font(rt::kDefaultFont));
    setAutoFillBackground(true);
    setPalette(rt::palette(rt::SystemColor::Desktop));

    solutionsLayout_->setContentsMargins(0, 0, 0, 0);
    solutionsBox_->setAccessibleName(QStringLiteral("Lösungen"));
    solutionsBox_->hide();

    text_->setObjectName(QStringLiteral("txtlösungsweg"));
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    text_->setTabChangesFocus(true);
    text_->setFont(rt::font(kText));
    text_->setAccessibleName(QStringLiteral("Lösungsweg"));
    text_->setMinimumHeight(4 * text_->fontMetrics().lineSpacing());

    // Under the parts, the buttons that add and take away one.
    addPart_->setObjectName(QStringLiteral("cmdteilhinzufügen"));
    removePart_->setObjectName(QStringLiteral("cmdteilentfernen"));
    auto* partButtons = new QHBoxLayout;
    for (QPushButton* b : {addPart_, removePart_}) {
        rt::roomForCaption(b);
        b->setAutoDefault(true);
        partButtons->addWidget(b);
    }
    partButtons->addStretch();
    rt::onClick(addPart_, this, &CompositeWindow::cmdteilhinzufügen_Click);
    rt::onClick(removePart_, this, &CompositeWindow::cmdteilentfernen_Click);

    unknownsGroup_->setObjectName(QStringLiteral("fraunbekannte"));
    unknownsGroup_->hide();
    wholeGroup_->setObjectName(QStringLiteral("fraganzerkörper"));
    buildWhole();

    auto* rows = new QVBoxLayout(rowsBox_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(partsLayout_);
    rows->addLayout(partButtons);
    rows->addWidget(unknownsGroup_);
    rows->addWidget(wholeGroup_);
    rows->addStretch();

    auto* rowsArea = new RowsArea(this, rowsBox_);
    rowsArea_ = rowsArea;
    rowsArea->setObjectName(QStringLiteral("scrteile"));
    // Eight parts are taller than any screen: the rows share the height with
    // the worked solution rather than ask for all of it.
    rowsArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* rowsAndSketch = new QHBoxLayout;
    rowsAndSketch->addWidget(rowsArea);
    rowsAndSketch->addWidget(sketch_, 1);

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (CompositeWindow::*handler)();
    } actions[] = {{"cmdberechnen", "Berechnen", &CompositeWindow::cmdberechnen_Click},
                   {"cmdleeren", "Leeren", &CompositeWindow::cmdleeren_Click},
                   {"cmdkopieren", "Kopieren", &CompositeWindow::cmdkopieren_Click},
                   {"cmdspeichern", "Speichern…", &CompositeWindow::cmdspeichern_Click},
                   {"cmdöffnen", "Öffnen…", &CompositeWindow::cmdöffnen_Click},
                   {"cmdok", "OK", &CompositeWindow::cmdok_Click}};
    for (const auto& a : actions) {
        auto* b = new QPushButton(QString::fromUtf8(a.caption), this);
        b->setObjectName(QString::fromUtf8(a.name));
        b->setFont(rt::font(kButtons));
        rt::roomForCaption(b);
        b->setAutoDefault(true); // answers Enter when it has the focus
        rt::onClick(b, this, a.handler);
        if (qstrcmp(a.name, "cmdok") == 0)
            buttons->addStretch();
        buttons->addWidget(b);
        buttons_.push_back(b);
    }

    auto* printing = new QHBoxLayout;
    print_->setFont(rt::font(kButtons));
    print_->setAvailable(false);
    printing->addWidget(print_);
    printing->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(solutionsBox_);
    layout->addLayout(rowsAndSketch, 3);
    layout->addLayout(buttons);
    layout->addLayout(printing);
    layout->addWidget(text_, 1);

    // However an option came to be set, by the mouse, the keys or a screen
    // reader's action, the rows show its solution.
    connect(solutions_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id != shown_)
            show(id);
    });

    addPart();
    clearComputed();
    parts_.front()->body->setFocus();
    resize(sizeHint());
}

// Room for two parts of a few rows each with the sketch beside them and a
// few lines of the solution; more parts scroll. Never taller or wider than
// the screen: the window opens wholly on it.
QSize CompositeWindow::sizeHint() const
{
    QSize size(780, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    return size;
}

const model::Body& CompositeWindow::bodyOf(const Part& part) const
{
    return *model::bodies().at(size_t(std::max(part.body->currentIndex(), 0)));
}

void CompositeWindow::addPart()
{
    const int number = int(parts_.size()) + 1;
    auto part = std::make_unique<Part>();
    Part& p = *part;
    p.group = new QGroupBox(QStringLiteral("Teil %1").arg(number), rowsBox_);
    p.group->setObjectName(QStringLiteral("Teil %1").arg(number));

    p.body = new QComboBox(p.group);
    p.body->setObjectName(ofPart(QStringLiteral("Körper"), number));
    p.body->setAccessibleName(p.body->objectName());
    p.body->view()->setAccessibleName(p.body->accessibleName());
    for (const model::Body* b : model::bodies())
        p.body->addItem(b->name, b->id);
    if (number > 1) {
        p.joint = new QComboBox(p.group);
        p.joint->setObjectName(ofPart(QStringLiteral("Verbindung"), number));
        p.joint->setAccessibleName(p.joint->objectName());
        p.joint->view()->setAccessibleName(p.joint->accessibleName());
    }
    p.count = new QSpinBox(p.group);
    p.count->setObjectName(ofPart(QStringLiteral("Anzahl"), number));
    p.count->setAccessibleName(p.count->objectName());
    p.count->setRange(1, 99);
    p.count->setValue(1);

    parts_.push_back(std::move(part));
    partsLayout_->addWidget(p.group);
    buildFaces(p, number);
    buildRows(p, number);
    fillJoints(p, number);

    // A part changed changes the whole: what was found from it is gone.
    connect(p.body, &QComboBox::currentIndexChanged, p.group, [this, &p] { partChanged(p); });
    if (p.joint)
        connect(p.joint, &QComboBox::currentIndexChanged, p.group, [this] { clearComputed(); });
    connect(p.count, &QSpinBox::valueChanged, p.group, [this] { clearComputed(); });

    p.group->show();
    updateButtons();
    orderTabs();
    alignCaptions();
}

void CompositeWindow::removePart()
{
    if (parts_.size() <= 1)
        return;
    std::unique_ptr<Part> last = std::move(parts_.back());
    parts_.pop_back();
    delete last->group;
    updateButtons();
    orderTabs();
    alignCaptions();
}

void CompositeWindow::updateButtons()
{
    addPart_->setEnabled(int(parts_.size()) < model::kMaxParts);
    removePart_->setEnabled(parts_.size() > 1);
}

void CompositeWindow::partChanged(Part& part)
{
    const int number = int(std::find_if(parts_.begin(), parts_.end(),
                                        [&](const auto& p) { return p.get() == &part; }) -
                           parts_.begin()) +
                       1;
    buildFaces(part, number);
    buildRows(part, number);
    fillJoints(part, number);
    clearComputed();
    refreshUnknowns();
    orderTabs();
    alignCaptions();
}

// "ohne Grundfläche" and "ohne Deckfläche" where the part's body has the
// face; a box the new body also has keeps its tick.
void CompositeWindow::buildFaces(Part& part, int number)
{
    const model::Body& body = bodyOf(part);
    const auto face = [&](QCheckBox*& box, bool has, const QString& caption) {
        if (!has) {
            delete box;
            box = nullptr;
            return;
        }
        if (box)
            return;
        box = new QCheckBox(caption, part.group);
        box->setObjectName(ofPart(caption, number));
        box->setAccessibleName(box->objectName());
        connect(box, &QCheckBox::toggled, this, [this, &part, number] {
            buildRows(part, number);
            clearComputed();
            orderTabs();
            alignCaptions();
        });
    };
    face(part.withoutBase, model::hasBase(body), QStringLiteral("ohne Grundfläche"));
    face(part.withoutTop, model::hasTop(body), QStringLiteral("ohne Deckfläche"));
}

// The part's controls laid out afresh, with a row for each quantity of its
// body as the check boxes make it. What was typed stays in the rows the body
// still has.
void CompositeWindow::buildRows(Part& part, int number)
{
    const model::Body& body = model::variant(
        bodyOf(part), {.withoutTop = part.withoutTop && part.withoutTop->isChecked(),
                       .withoutBase = part.withoutBase && part.withoutBase->isChecked()});
    QStringList symbols;
    for (const model::Quantity& q : body.quantities)
        symbols << q.symbol;
    QStringList had;
    for (const Row& row : part.rows)
        had << row.quantity.symbol;
    if (part.built == &model::plainOf(body) && symbols == had)
        return;
    part.built = &model::plainOf(body);

    QHash<QString, model::Typed> kept;
    for (const Row& row : part.rows) {
        if (isGiven(row))
            kept.insert(row.quantity.symbol, typed(row));
        deleteWidgets(row);
    }
    part.rows.clear();

    delete part.grid; // its widgets stay, to be laid out again
    part.grid = new QGridLayout(part.group);
    const auto line = [&](const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption, part.group);
        label->setBuddy(control);
        const int at = part.grid->rowCount();
        part.grid->addWidget(label, at, 0);
        part.grid->addWidget(control, at, 1, 1, 2);
    };
    // The captions are made afresh with the grid: the old ones go with it.
    for (QLabel* label : part.group->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        delete label;
    line(QStringLiteral("Körper:"), part.body);
    if (part.joint)
        line(QStringLiteral("Verbindung:"), part.joint);
    line(QStringLiteral("Anzahl:"), part.count);
    part.grid->itemAtPosition(part.grid->rowCount() - 1, 1)->setAlignment(Qt::AlignLeft);
    if (part.withoutBase || part.withoutTop) {
        part.faces = new QHBoxLayout;
        for (QCheckBox* box : {part.withoutBase, part.withoutTop}) {
            if (box)
                part.faces->addWidget(box);
        }
        part.faces->addStretch();
        part.grid->addLayout(part.faces, part.grid->rowCount(), 1, 1, 3);
    } else {
        part.faces = nullptr;
    }
    for (const model::Quantity& q : body.quantities) {
        if (q.dimension == model::Dimension::Density || q.dimension == model::Dimension::Mass)
            continue;
        Row row =
            makeRow(part.grid, q, model::numbered(q.symbol, number), ofPart(q.caption, number));
        if (kept.contains(q.symbol)) {
            chooseUnit(row, kept.value(q.symbol).unit, q.dimension);
            row.box->setText(kept.value(q.symbol).text);
        }
        part.rows.push_back(row);
    }
    part.grid->setColumnStretch(3, 1);
}

// For the second part on: each way its body joins each earlier part. The
// joint chosen stays where the body allows it; a new part sits on the one
// before.
void CompositeWindow::fillJoints(Part& part, int number)
{
    if (!part.joint)
        return;
    const QVariant was = part.joint->currentData();
    const QSignalBlocker quiet(part.joint);
    part.joint->clear();
    const model::Body& body = bodyOf(part);
    for (int target = 1; target < number; ++target) {
        for (int j = 0; j < kJointCount; ++j) {
            if (model::allows(body, model::kJoints[j]))
                part.joint->addItem(model::jointCaption(model::kJoints[j], target),
                                    jointData(target, j));
        }
    }
    int index = was.isValid() ? part.joint->findData(was) : -1;
    if (index < 0)
        index = part.joint->findData(jointData(number - 1, jointIndex(model::Joint::On)));
    part.joint->setCurrentIndex(std::max(index, 0));
}

CompositeWindow::Row CompositeWindow::makeRow(QGridLayout* grid, const model::Quantity& quantity,
                                              const QString& key, const QString& name)
{
    Row row;
    row.quantity = quantity;
    row.key = key;
    QWidget* previous = nullptr; // orderTabs() puts it in its place
    static_cast<QuantityRow&>(row) =
        addQuantityRow(grid, quantity, {name, QStringLiteral("Einheit ") + name, name}, previous);
    // Whatever the user types is given; Enter computes. A density typed is
    // the user's own, whatever material was chosen.
    connect(row.box, &QLineEdit::textEdited, this, [this, box = row.box] {
        Row* r = rowOf(box);
        if (!r)
            return;
        r->written.clear();
        markComputed(r->box, false);
        if (material_ && r->quantity.dimension == model::Dimension::Density && r->key == u"ρ")
            material_->setCurrentIndex(0);
    });
    connect(row.box, &QLineEdit::returnPressed, this,
            [this] { rt::invoke(this, [this] { cmdberechnen_Click(); }); });
    // A letter typed or taken away gives the unknowns their rows.
    connect(row.box, &QLineEdit::editingFinished, this, [this] { refreshUnknowns(); });
    if (row.unit) {
        // A computed value is shown again in the unit chosen; a given one now
        // means another size, and what was found from it is gone.
        connect(row.unit, &QComboBox::currentIndexChanged, this, [this, unit = row.unit] {
            Row* r = rowOf(unit);
            if (!r || (shown_ < 0 && !showsPartial()))
                return;
            if (isGiven(*r))
                clearComputed();
            else if (showsPartial())
                showPartial();
            else
                show(shown_);
        });
    }
    return row;
}

// The whole body's rows: its volume and surface, the material, its density
// and mass.
void CompositeWindow::buildWhole()
{
    const model::Body& any = model::variant(*model::bodies().front(), {.material = true});
    for (const QString& symbol : model::wholeSymbols()) {
        const auto q = std::find_if(any.quantities.begin(), any.quantities.end(),
                                    [&](const model::Quantity& x) { return x.symbol == symbol; });
        if (q == any.quantities.end())
            continue;
        if (q->dimension == model::Dimension::Density) {
            auto* caption = new QLabel(QStringLiteral("Material:"), wholeGroup_);
            material_ = materialChooser(wholeGroup_);
            caption->setBuddy(material_);
            const int line = wholeGrid_->rowCount();
            wholeGrid_->addWidget(caption, line, 0);
            wholeGrid_->addWidget(material_, line, 1, 1, 2);
            // However it came to be chosen, by the mouse, the keys or a
            // screen reader's selection: its density is written as given.
            connect(material_, &QComboBox::currentIndexChanged, this, [this](int index) {
                Row* density = nullptr;
                for (Row& row : whole_) {
                    if (row.quantity.dimension == model::Dimension::Density)
                        density = &row;
                }
                if (index <= 0 || !density)
                    return;
                density->box->setText(densityText(material_->itemData(index).toDouble(),
                                                  unitOf(*density, density->quantity.dimension)));
                density->written.clear();
                markComputed(density->box, false);
                clearComputed();
            });
        }
        whole_.push_back(makeRow(wholeGrid_, *q, symbol, q->caption));
    }
    wholeGrid_->setColumnStretch(3, 1);
}

void CompositeWindow::buildUnknowns(const QStringList& letters)
{
    std::vector<Row> kept;
    for (const Row& row : unknowns_) {
        if (letters.contains(row.key))
            kept.push_back(row);
        else
            deleteWidgets(row);
    }
    unknowns_.clear();
    delete unknownsGrid_; // its widgets stay, to be laid out again
    unknownsGrid_ = new QGridLayout(unknownsGroup_);
    for (const QString& letter : letters) {
        const auto old =
            std::find_if(kept.begin(), kept.end(), [&](const Row& r) { return r.key == letter; });
        if (old == kept.end()) {
            unknowns_.push_back(
                makeRow(unknownsGrid_, {letter, letter, model::Dimension::Length}, letter, letter));
            continue;
        }
        const int line = unknownsGrid_->rowCount();
        unknownsGrid_->addWidget(old->caption, line, 0);
        unknownsGrid_->addWidget(old->box, line, 1);
        unknownsGrid_->addWidget(old->unit, line, 2);
        unknowns_.push_back(*old);
    }
    unknownsGrid_->setColumnStretch(3, 1);
    unknownsGroup_->setVisible(!unknowns_.empty());
}

// Every lower-case letter the boxes of the parts and the whole use is an
// unknown with a row of its own; a text that does not read is left to
// "Berechnen" to complain of.
void CompositeWindow::refreshUnknowns()
{
    QStringList letters;
    const QLocale locale;
    const auto scan = [&](const Row& row) {
        const QString text = row.box->text();
        if (text.trimmed().isEmpty())
            return;
        try {
            for (const QString& u : model::readExpression(text, locale, true).unknowns) {
                if (!letters.contains(u))
                    letters << u;
            }
        } catch (const rt::Error&) {
        }
    };
    for (const auto& part : parts_) {
        for (const Row& row : part->rows)
            scan(row);
    }
    for (const Row& row : whole_)
        scan(row);
    QStringList shown;
    for (const Row& row : unknowns_)
        shown << row.key;
    if (letters == shown)
        return;
    buildUnknowns(letters);
    orderTabs();
    alignCaptions();
}

// Tab goes down the parts, the unknowns and the whole body, then along the
// buttons to the worked solution.
void CompositeWindow::orderTabs()
{
    std::vector<QWidget*> order;
    for (QAbstractButton* option : solutions_->buttons())
        order.push_back(option);
    const auto add = [&](const Row& row) {
        order.push_back(row.box);
        if (row.unit)
            order.push_back(row.unit);
    };
    for (const auto& part : parts_) {
        for (QWidget* w :
             {static_cast<QWidget*>(part->body), static_cast<QWidget*>(part->joint),
              static_cast<QWidget*>(part->count), static_cast<QWidget*>(part->withoutBase),
              static_cast<QWidget*>(part->withoutTop)}) {
            if (w)
                order.push_back(w);
        }
        for (const Row& row : part->rows)
            add(row);
    }
    order.push_back(addPart_);
    order.push_back(removePart_);
    for (const Row& row : unknowns_)
        add(row);
    for (const Row& row : whole_) {
        if (row.quantity.dimension == model::Dimension::Density)
            order.push_back(material_);
        add(row);
    }
    order.insert(order.end(), buttons_.begin(), buttons_.end());
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    print_->placeInTabOrder(order.back(), text_);
}

// The captions, boxes and units of every group stand in the same columns.
void CompositeWindow::alignCaptions()
{
    std::vector<QGridLayout*> grids;
    for (const auto& part : parts_)
        grids.push_back(part->grid);
    grids.push_back(unknownsGrid_);
    grids.push_back(wholeGrid_);
    std::erase(grids, nullptr);
    for (int column = 0; column < 3; ++column) {
        int widest = 0;
        for (QGridLayout* grid : grids) {
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, col = 0, rows = 0, cols = 0;
                grid->getItemPosition(i, &row, &col, &rows, &cols);
                QWidget* w = grid->itemAt(i)->widget();
                if (w && col == column && cols == 1)
                    widest = std::max(widest, w->sizeHint().width());
            }
        }
        for (QGridLayout* grid : grids)
            grid->setColumnMinimumWidth(column, widest);
    }
}

std::vector<CompositeWindow::Row*> CompositeWindow::allRows()
{
    std::vector<Row*> all;
    for (const auto& part : parts_) {
        for (Row& row : part->rows)
            all.push_back(&row);
    }
    for (auto* list : {&unknowns_, &whole_}) {
        for (Row& row : *list)
            all.push_back(&row);
    }
    return all;
}

std::vector<const CompositeWindow::Row*> CompositeWindow::allRows() const
{
    std::vector<const Row*> all;
    for (Row* row : const_cast<CompositeWindow*>(this)->allRows())
        all.push_back(row);
    return all;
}

CompositeWindow::Row* CompositeWindow::rowOf(const QObject* control)
{
    for (Row* row : allRows()) {
        if (row->box == control || row->unit == control)
            return row;
    }
    return nullptr;
}

bool CompositeWindow::isGiven(const Row& row) const
{
    const QString text = row.box->text();
    return !text.trimmed().isEmpty() && (row.written.isEmpty() || text != row.written);
}

void CompositeWindow::dropSolutionOptions()
{
    while (QLayoutItem* item = solutionsLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    solutionsBox_->hide();
}

// What the window wrote goes, and so does everything found with it; the
// sketch shows the parts as they are now.
void CompositeWindow::clearComputed()
{
    for (Row* row : allRows()) {
        if (!isGiven(*row)) {
            row->box->clear();
            row->written.clear();
            markComputed(row->box, false);
        }
    }
    dropSolutionOptions();
    answer_ = {};
    solved_.reset();
    shown_ = -1;
    text_->clear();
    print_->setAvailable(false);
    sketch_->setSketch(solids::compositeSketch(description()));
}

model::Description CompositeWindow::description() const
{
    model::Description d;
    for (const auto& part : parts_) {
        model::PartDescription p;
        p.body = bodyOf(*part).id;
        if (part->joint && part->joint->currentIndex() >= 0) {
            const int chosen = part->joint->currentData().toInt();
            p.target = chosen / kJointsPerTarget;
            p.joint = model::kJoints[chosen % kJointsPerTarget];
        }
        p.count = part->count->value();
        p.withoutBase = part->withoutBase && part->withoutBase->isChecked();
        p.withoutTop = part->withoutTop && part->withoutTop->isChecked();
        for (const Row& row : part->rows) {
            if (isGiven(row))
                p.rows.insert(row.quantity.symbol, typed(row));
        }
        d.parts.push_back(p);
    }
    for (const Row& row : whole_) {
        if (isGiven(row))
            d.whole.insert(row.key, typed(row));
    }
    for (const Row& row : unknowns_) {
        if (isGiven(row))
            d.unknowns.insert(row.key, typed(row));
    }
    if (material_ && material_->currentIndex() > 0)
        d.material =
            QString::fromUtf8(model::materials().at(size_t(material_->currentIndex() - 1)).name);
    return d;
}

void CompositeWindow::setDescription(const model::Description& description)
{
    const int count = std::clamp(int(description.parts.size()), 1, model::kMaxParts);
    while (int(parts_.size()) > count)
        removePart();
    while (int(parts_.size()) < count)
        addPart();
    for (int i = 0; i < count; ++i) {
        Part& part = *parts_[size_t(i)];
        const model::PartDescription& p = description.parts[size_t(i)];
        const int body = part.body->findData(p.body);
        if (body >= 0)
            part.body->setCurrentIndex(body);
        if (part.joint) {
            const int joint = part.joint->findData(jointData(p.target, jointIndex(p.joint)));
            if (joint >= 0)
                part.joint->setCurrentIndex(joint);
        }
        part.count->setValue(p.count);
        if (part.withoutBase)
            part.withoutBase->setChecked(p.withoutBase);
        if (part.withoutTop)
            part.withoutTop->setChecked(p.withoutTop);
        for (Row& row : part.rows) {
            const model::Typed t = p.rows.value(row.quantity.symbol);
            chooseUnit(row, t.unit, row.quantity.dimension);
            row.box->setText(t.text);
            row.written.clear();
            markComputed(row.box, false);
        }
    }
    int material = 0;
    for (size_t i = 0; i < model::materials().size(); ++i) {
        if (QString::fromUtf8(model::materials()[i].name) == description.material)
            material = int(i) + 1;
    }
    material_->setCurrentIndex(material);
    for (Row& row : whole_) {
        const model::Typed t = description.whole.value(row.key);
        chooseUnit(row, t.unit, row.quantity.dimension);
        row.box->setText(t.text);
        row.written.clear();
        markComputed(row.box, false);
    }
    refreshUnknowns();
    for (Row& row : unknowns_) {
        const model::Typed t = description.unknowns.value(row.key);
        chooseUnit(row, t.unit, row.quantity.dimension);
        row.box->setText(t.text);
        row.written.clear();
        markComputed(row.box, false);
    }
    clearComputed();
}

QString CompositeWindow::saveTo(const QString& path) const
{
    return writeFile(path, model::writeDescription(description()));
}

QString CompositeWindow::openFrom(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Die Datei %1 lässt sich nicht öffnen. Gibt es sie, und dürfen Sie "
                              "sie lesen?")
            .arg(shownPath(path));
    model::Description read;
    try {
        // One byte beyond the largest description is enough to refuse a
        // larger file in the description's own words, without reading it all.
        read = model::readDescription(file.read(model::kMaxFileBytes + 1));
    } catch (const rt::Error& e) {
        return e.message();
    }
    setDescription(read);
    return {};
}

void CompositeWindow::cmdspeichern_Click()
{
    QPointer<CompositeWindow> self(this);
    QPointer<QFileDialog> dialog =
        new QFileDialog(this, QStringLiteral("Speichern"), startFolder(), kFilter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(kSuffix);
    dialog->selectFile(QStringLiteral("Körper.") + kSuffix);
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog;
    const QString path = chosen ? dialog->selectedFiles().value(0) : QString();
    delete dialog.data();
    if (path.isEmpty() || !self)
        return;
    const QString failure = saveTo(path);
    if (failure.isEmpty())
        rememberFolder(path);
    else
        rt::msgBox(failure, rt::Critical, {}, this);
}

void CompositeWindow::cmdöffnen_Click()
{
    QPointer<CompositeWindow> self(this);
    QPointer<QFileDialog> dialog =
        new QFileDialog(this, QStringLiteral("Öffnen"), startFolder(), kFilter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog;
    const QString path = chosen ? dialog->selectedFiles().value(0) : QString();
    delete dialog.data();
    if (path.isEmpty() || !self)
        return;
    const QString failure = openFrom(path);
    if (failure.isEmpty())
        rememberFolder(path);
    else
        rt::msgBox(failure, rt::Critical, {}, this);
}

void CompositeWindow::cmdteilhinzufügen_Click()
{
    if (int(parts_.size()) >= model::kMaxParts)
        return;
    addPart();
    clearComputed();
    parts_.back()->body->setFocus();
    // The new part is scrolled into view once it is laid out.
    QTimer::singleShot(0, parts_.back()->group, [this, group = parts_.back()->group] {
        rowsArea_->ensureWidgetVisible(group);
    });
}

void CompositeWindow::cmdteilentfernen_Click()
{
    removePart();
    clearComputed();
    refreshUnknowns();
}

void CompositeWindow::cmdberechnen_Click()
{
    clearComputed();
    refreshUnknowns();
    const model::Description typedNow = description();
    model::Composite composite = [&] {
        try {
            return model::flatten(typedNow, QLocale());
        } catch (rt::Error& e) {
            // The box the error names gets the cursor back: by its own name
            // or by what the whole body calls its quantity.
            if (!e.field().isEmpty() && !findChild<QLineEdit*>(e.field())) {
                for (Row* row : allRows()) {
                    if (row->key == e.field() || row->box->accessibleName() == e.field()) {
                        e.inField(row->box->objectName(), e.fieldCaption().isEmpty()
                                                              ? row->box->accessibleName()
                                                              : e.fieldCaption());
                        break;
                    }
                }
            }
            throw;
        }
    }();
    // The solver may turn a joint round, where the other face is the smaller.
    const model::Answer answer = model::solve(composite);
    present(composite, answer);
}

void CompositeWindow::present(const model::Composite& composite, const model::Answer& answer)
{
    clearComputed();
    const QString message = model::message(composite, answer, QLocale());
    if (!message.isEmpty() || answer.status != model::Answer::Solved) {
        QPointer<CompositeWindow> self(this);
        if (!message.isEmpty())
            rt::msgBox(message, rt::Information, kTitle, this);
        // Too few givens may still fix some quantities: those are shown once
        // the message is read, unless the window went meanwhile.
        if (self && answer.status == model::Answer::Missing && !answer.partial.values.isEmpty()) {
            solved_ = composite;
            answer_ = answer;
            showPartial();
        }
        return;
    }
    solved_ = composite;
    answer_ = answer;
    if (answer_.solutions.size() > 1) {
        for (int i = 0; i < int(answer_.solutions.size()); ++i) {
            auto* option = new QRadioButton(QStringLiteral("Lösung %1").arg(i + 1), solutionsBox_);
            option->setObjectName(QStringLiteral("oplösung%1").arg(i + 1));
            solutions_->addButton(option, i);
            solutionsLayout_->addWidget(option);
        }
        solutionsLayout_->addStretch();
        solutionsBox_->show();
        orderTabs();
    }
    show(0); // checks the first option
}

// Fills every row the user left empty with its value in the row's unit, with
// the digits the givens determine; a row the values do not hold stays empty.
void CompositeWindow::fill(const model::Values& values)
{
    const QLocale locale;
    const QHash<QString, int> places =
        model::certainPlaces(*solved_->body, values, solved_->task.typed.keys());
    for (Row* row : allRows()) {
        if (isGiven(*row))
            continue;
        QString text;
        if (values.contains(row->key)) {
            const model::Unit& unit = unitOf(*row, row->quantity.dimension);
            text = model::certainNumber(model::fromBase(values.value(row->key), unit), unit,
                                        places.value(row->key, rt::kAllDigits), locale);
        }
        row->box->setText(text);
        row->box->setCursorPosition(0);
        row->written = text;
        markComputed(row->box, !text.isEmpty());
    }
}

void CompositeWindow::show(int index)
{
    if (!solved_ || index < 0 || index >= int(answer_.solutions.size()))
        return;
    shown_ = index;
    const model::Values& values = answer_.solutions[size_t(index)].values;
    fill(values);
    text_->setPlainText(working().text(index));
    print_->setAvailable(true);
    sketch_->setSketch(solids::compositeSketch(solved_->description, values));
    if (QAbstractButton* option = solutions_->button(index))
        option->setChecked(true);
}

// What too few givens fix all the same; the other rows stay empty.
void CompositeWindow::showPartial()
{
    fill(answer_.partial.values);
    text_->setPlainText(working().text(0));
    print_->setAvailable(!text_->toPlainText().isEmpty());
    sketch_->setSketch(solids::compositeSketch(solved_->description, answer_.partial.values));
}

// Every solution's way, its results in the rows' units; nothing before a
// calculation.
model::Working CompositeWindow::working() const
{
    if (!solved_ || (shown_ < 0 && !showsPartial()))
        return {kTitle, {}, {}, {}};
    model::Composite c = *solved_;
    for (const Row* row : allRows())
        c.task.units.insert(row->key, &unitOf(*row, row->quantity.dimension));
    return model::working(c, answer_, QLocale());
}

void CompositeWindow::chooseSolution(int index)
{
    show(index);
}

QString CompositeWindow::solutionText() const
{
    return text_->toPlainText();
}

void CompositeWindow::cmdleeren_Click()
{
    material_->setCurrentIndex(0);
    for (Row* row : allRows()) {
        row->box->clear();
        row->written.clear();
        markComputed(row->box, false);
    }
    clearComputed();
    refreshUnknowns();
}

void CompositeWindow::cmdkopieren_Click()
{
    QGuiApplication::clipboard()->setText(
        shown_ < 0 && !showsPartial() ? QString() : working().text(std::max(shown_, 0)));
}

void CompositeWindow::cmdok_Click()
{
    rt::windows::hide(QString::fromUtf8(names::kComposite));
}

// What is printed: the sketch as shown beside the rows, and the worked
// solution, every solution's way where there are several.
Document CompositeWindow::document() const
{
    Document d = worked::document(working(), sketch_->sketch(), {});
    d.solid = kTitle;
    return d;
}

} // namespace worked
