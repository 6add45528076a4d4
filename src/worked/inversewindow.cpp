#include "inversewindow.h"

#include "printbar.h"
#include "quantityrow.h"
#include "sketchpane.h"

#include "model/certainty.h"
#include "model/expression.h"
#include "model/variants.h"
#include "names.h"
#include "numbers/errors.h"
#include "numbers/numbers.h"
#include "runtime/events.h"
#include "runtime/frame.h"
#include "runtime/look.h"
#include "runtime/messages.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"
#include "solids/catalogue.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace worked {

namespace {

constexpr rt::FontSpec kText{"MS Sans Serif", 9.75};
const QString kTitle = QStringLiteral("Umkehraufgabe");

QString controlName(const QString& prefix, const QString& symbol)
{
    return prefix + symbol; // case kept: a torus has R and r
}

} // namespace

InverseWindow::InverseWindow()
    : bodies_(new QComboBox(this))
    , solutionsBox_(new QWidget(this))
    , solutionsLayout_(new QHBoxLayout(solutionsBox_))
    , solutions_(new QButtonGroup(this))
    , grid_(nullptr)
    , rowsBox_(new QWidget(this))
    , text_(new QTextEdit(this))
    , print_(new PrintBar(this, [this] { return document(); }))
{
    setObjectName(QString::fromUtf8(names::kInverse));
    setWindowTitle(kTitle);
    setFont(rt::font(rt::kDefaultFont));
    setAutoFillBackground(true);
    setPalette(rt::palette(rt::SystemColor::Desktop));

    auto* bodyCaption = new QLabel(QStringLiteral("Körper:"), this);
    bodyCaption->setBuddy(bodies_);
    bodies_->setObjectName(QStringLiteral("cbokörper"));
    bodies_->setAccessibleName(QStringLiteral("Körper"));
    // Its list is read by the same name when it opens.
    bodies_->view()->setAccessibleName(bodies_->accessibleName());
    for (const model::Body* b : model::bodies())
        bodies_->addItem(b->name, b->id);
    auto* top = new QHBoxLayout;
    top->addWidget(bodyCaption);
    top->addWidget(bodies_);
    top->addStretch();

    solutionsLayout_->setContentsMargins(0, 0, 0, 0);
    solutionsBox_->setAccessibleName(QStringLiteral("Lösungen"));
    solutionsBox_->hide();

    text_->setObjectName(QStringLiteral("txtlösungsweg"));
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    text_->setTabChangesFocus(true);
    text_->setFont(rt::font(kText));
    text_->setAccessibleName(QStringLiteral("Lösungsweg"));

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (InverseWindow::*handler)();
    } actions[] = {{"cmdberechnen", "Berechnen", &InverseWindow::cmdberechnen_Click},
                   {"cmdleeren", "Leeren", &InverseWindow::cmdleeren_Click},
                   {"cmdübernehmen", "Übernehmen", &InverseWindow::cmdübernehmen_Click},
                   {"cmdkopieren", "Kopieren", &InverseWindow::cmdkopieren_Click},
                   {"cmdok", "OK", &InverseWindow::cmdok_Click}};
    for (const auto& a : actions) {
        auto* b = new QPushButton(QString::fromUtf8(a.caption), this);
        b->setObjectName(QString::fromUtf8(a.name));
        b->setFont(rt::font({"MS Sans Serif", 9.75}));
        rt::roomForCaption(b);   // "Übernehmen" filled its button
        b->setAutoDefault(true); // answers Enter when it has the focus
        rt::onClick(b, this, a.handler);
        if (a.handler == &InverseWindow::cmdübernehmen_Click)
            transfer_ = b;
        if (qstrcmp(a.name, "cmdok") == 0)
            buttons->addStretch();
        buttons->addWidget(b);
    }

    // Printing and saving in a row of their own, under the worked solution's
    // own buttons.
    auto* printing = new QHBoxLayout;
    print_->setFont(rt::font({"MS Sans Serif", 9.75}));
    print_->setAvailable(false);
    printing->addWidget(print_);
    printing->addStretch();

    auto* rowsArea = new RowsArea(this, rowsBox_);
    rowsArea_ = rowsArea;
    rowsArea->setObjectName(QStringLiteral("scrgrößen"));
    text_->setMinimumHeight(4 * text_->fontMetrics().lineSpacing());

    // The sketch to the right of the rows, its letter of the row in use marked.
    sketch_ = new SketchPane(this);
    sketch_->followFocusIn(rowsBox_);
    auto* rowsAndSketch = new QHBoxLayout;
    rowsAndSketch->addWidget(rowsArea);
    rowsAndSketch->addWidget(sketch_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(solutionsBox_);
    layout->addLayout(rowsAndSketch);
    layout->addLayout(buttons);
    layout->addLayout(printing);
    layout->addWidget(text_, 1);

    connect(bodies_, &QComboBox::currentIndexChanged, this,
            [this](int i) { build(*model::bodies().at(size_t(i))); });
    // However an option came to be set, by the mouse, the keys or a screen
    // reader's action, the rows show its solution.
    connect(solutions_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && id != shown_)
            show(id);
    });
    build(*model::bodies().front());
    bodies_->setFocus();

    resize(sizeHint());
}

// Room for the longest list of quantities with the sketch beside it and a few
// lines of the solution, never taller or wider than the screen: the window
// opens wholly on it.
QSize InverseWindow::sizeHint() const
{
    QSize size(720, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    return size;
}

void InverseWindow::build(const model::Body& body)
{
    if (&body == body_)
        return;
    body_ = &body;
    answer_ = {};
    shown_ = -1;
    delete grid_;
    for (QWidget* w : rowsBox_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete w;
    rows_.clear();
    tied_ = withoutTop_ = withoutBase_ = nullptr;
    material_ = nullptr;
    grid_ = new QGridLayout(rowsBox_);
    grid_->setContentsMargins(0, 0, 0, 0);
    QWidget* previous = bodies_;
    buildOptions(body, previous);
    // Every body may be of some material: its density and mass follow its
    // own quantities.
    const model::Body& all = model::variant(body, {.material = true});
    for (const model::Quantity& q : all.quantities) {
        if (q.dimension == model::Dimension::Density)
            buildMaterial(previous);
        Row row;
        row.quantity = q;
        const int at = int(rows_.size());
        static_cast<QuantityRow&>(row) =
            addQuantityRow(grid_, q,
                           {controlName(QStringLiteral("txt"), q.symbol),
                            controlName(QStringLiteral("cboeinheit"), q.symbol), q.caption},
                           previous);
        if (row.unit) {
            // A computed value is shown again in the unit chosen; a given one
            // now means another length, and what was found from it is gone.
            connect(row.unit, &QComboBox::currentIndexChanged, this, [this, at] {
                if ((shown_ < 0 && !showsPartial()) || size_t(at) >= rows_.size())
                    return;
                if (isGiven(rows_[size_t(at)]))
                    clearComputed();
                else if (showsPartial())
                    showPartial();
                else
                    show(shown_);
            });
        }
        // Whatever the user types is given; Enter computes. A density typed
        // is the user's own, whatever material was chosen.
        connect(row.box, &QLineEdit::textEdited, this, [this, at] {
            if (size_t(at) < rows_.size()) {
                rows_[size_t(at)].written.clear();
                markComputed(rows_[size_t(at)], false);
                if (material_ && rows_[size_t(at)].quantity.dimension == model::Dimension::Density)
                    material_->setCurrentIndex(0);
            }
        });
        connect(row.box, &QLineEdit::returnPressed, this,
                [this] { rt::invoke(this, [this] { cmdberechnen_Click(); }); });
        rows_.push_back(row);
    }
    grid_->setColumnStretch(3, 1);
    rowsArea_->updateGeometry();
    sketch_->setSketch(solids::sketchOf(body));
    dropSolutionOptions();
    text_->clear();
    print_->setAvailable(false);
    // Only a body that a calculator window computes can be taken over there.
    transfer_->setEnabled(solids::showing(body.id).solid);
    const int index = bodies_->findData(body.id);
    if (bodies_->currentIndex() != index)
        bodies_->setCurrentIndex(index);
}

// The check boxes the body allows, above its rows: a changed one gives the
// givens another meaning, and what was found from them is gone.
void InverseWindow::buildOptions(const model::Body& body, QWidget*& previous)
{
    // In its place before the boxes come, so that they are shown with it.
    auto* line = new QHBoxLayout;
    const int at = grid_->rowCount();
    grid_->addLayout(line, at, 0, 1, 3);
    const auto option = [&](const QString& caption, const char* name) {
        auto* box = new QCheckBox(caption, rowsBox_);
        box->setObjectName(QString::fromUtf8(name));
        line->addWidget(box);
        setTabOrder(previous, box);
        previous = box;
        // The sketch shows the body open as the boxes say.
        connect(box, &QCheckBox::toggled, this, [this] {
            clearComputed();
            sketch_->setSketch(solids::sketchOf(solving()));
        });
        return box;
    };
    if (model::hasTie(body))
        tied_ = option(body.ties.front().caption, "chkgleichschenklig");
    if (model::hasTop(body))
        withoutTop_ = option(QStringLiteral("ohne Deckfläche"), "chkohnedeckfläche");
    if (model::hasBase(body))
        withoutBase_ = option(QStringLiteral("ohne Grundfläche"), "chkohnegrundfläche");
    line->addStretch();
}

// "Material:" and its list above the density: a material chosen writes its
// density as given, in the density row's unit.
void InverseWindow::buildMaterial(QWidget*& previous)
{
    auto* caption = new QLabel(QStringLiteral("Material:"), rowsBox_);
    material_ = materialChooser(rowsBox_);
    caption->setBuddy(material_);
    const int line = grid_->rowCount();
    grid_->addWidget(caption, line, 0);
    grid_->addWidget(material_, line, 1, 1, 2);
    setTabOrder(previous, material_);
    previous = material_;
    // However it came to be chosen, by the mouse, the keys or a screen
    // reader's selection.
    connect(material_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index <= 0)
            return;
        Row& row = *std::find_if(rows_.begin(), rows_.end(), [](const Row& r) {
            return r.quantity.dimension == model::Dimension::Density;
        });
        const model::Unit& unit = unitOf(row);
        row.box->setText(densityText(material_->itemData(index).toDouble(), unit));
        row.written.clear();
        markComputed(row, false);
        clearComputed();
    });
}

const model::Body& InverseWindow::solving() const
{
    bool material = false;
    for (const Row& row : rows_) {
        const model::Dimension d = row.quantity.dimension;
        if ((d == model::Dimension::Density || d == model::Dimension::Mass) && isGiven(row))
            material = true;
    }
    return model::variant(*body_,
                          {tied_ && tied_->isChecked(), withoutTop_ && withoutTop_->isChecked(),
                           withoutBase_ && withoutBase_->isChecked(), material});
}

void InverseWindow::dropSolutionOptions()
{
    while (QLayoutItem* item = solutionsLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    solutionsBox_->hide();
}

bool InverseWindow::isGiven(const Row& row) const
{
    const QString text = row.box->text();
    return !text.trimmed().isEmpty() && (row.written.isEmpty() || text != row.written);
}

const model::Unit& InverseWindow::unitOf(const Row& row) const
{
    return worked::unitOf(row, row.quantity.dimension);
}

void InverseWindow::markComputed(Row& row, bool computed)
{
    worked::markComputed(row.box, computed);
}

void InverseWindow::clearComputed()
{
    for (Row& row : rows_) {
        if (!isGiven(row)) {
            row.box->clear();
            row.written.clear();
            markComputed(row, false);
        }
    }
    dropSolutionOptions();
    answer_ = {};
    shown_ = -1;
    text_->clear();
    print_->setAvailable(false);
}

model::Task InverseWindow::task() const
{
    model::Task t;
    t.body = &solving();
    for (const Row& row : rows_)
        t.units.insert(row.quantity.symbol, &unitOf(row));
    return t;
}

void InverseWindow::cmdberechnen_Click()
{
    model::Task t = task();
    for (const Row& row : rows_) {
        if (!isGiven(row) || !t.body->quantity(row.quantity.symbol))
            continue;
        try {
            bool calculation = false;
            t.typed.insert(row.quantity.symbol,
                           model::readValue(row.box->text(), QLocale(), &calculation));
            if (calculation)
                t.calculations.insert(row.quantity.symbol, row.box->text());
        } catch (rt::Error& e) {
            e.inField(row.box->objectName(), row.quantity.caption);
            clearComputed();
            throw;
        }
    }
    clearComputed();
    present(t, model::solve(*t.body, t.givens()));
}

void InverseWindow::present(const model::Task& t, const model::Answer& answer)
{
    clearComputed();
    if (answer.status != model::Answer::Solved) {
        QPointer<InverseWindow> self(this);
        rt::msgBox(model::message(t, answer, QLocale()), rt::Information, kTitle, this);
        // Too few givens may still fix some quantities: those are shown once
        // the message is read, unless the window went meanwhile.
        if (self && t.body && body_ == &model::plainOf(*t.body) &&
            answer.status == model::Answer::Missing && !answer.partial.values.isEmpty()) {
            answer_ = answer;
            solved_ = t;
            showPartial();
        }
        return;
    }
    answer_ = answer;
    solved_ = t;
    if (answer_.solutions.size() > 1) {
        for (int i = 0; i < int(answer_.solutions.size()); ++i) {
            auto* option = new QRadioButton(QStringLiteral("Lösung %1").arg(i + 1), solutionsBox_);
            option->setObjectName(QStringLiteral("oplösung%1").arg(i + 1));
            solutions_->addButton(option, i);
            solutionsLayout_->addWidget(option);
        }
        solutionsLayout_->addStretch();
        solutionsBox_->show();
    }
    show(0); // checks the first option
}

// Fills the rows that the values hold, in each row's unit, with the digits
// the givens determine; a row they do not hold is emptied. What the user
// typed stays, also in a box that was computed.
void InverseWindow::fill(const model::Values& values)
{
    const QLocale locale;
    const QHash<QString, int> places =
        model::certainPlaces(*solved_.body, values, solved_.typed.keys());
    for (Row& row : rows_) {
        if (isGiven(row))
            continue;
        const QString symbol = row.quantity.symbol;
        QString text;
        if (values.contains(symbol)) {
            const model::Unit& unit = unitOf(row);
            text = model::certainNumber(model::fromBase(values.value(symbol), unit), unit,
                                        places.value(symbol, rt::kAllDigits), locale);
        }
        row.box->setText(text);
        row.box->setCursorPosition(0);
        row.written = text;
        markComputed(row, !text.isEmpty());
    }
}

// What too few givens fix all the same; the other rows stay empty.
void InverseWindow::showPartial()
{
    fill(answer_.partial.values);
    text_->setPlainText(working().text(0));
    print_->setAvailable(!text_->toPlainText().isEmpty());
}

// Fills the rows with one solution.
void InverseWindow::show(int index)
{
    if (index < 0 || index >= int(answer_.solutions.size()))
        return;
    shown_ = index;
    fill(answer_.solutions[size_t(index)].values);
    text_->setPlainText(working().text(index));
    print_->setAvailable(true);
    if (QAbstractButton* option = solutions_->button(index))
        option->setChecked(true);
}

// Every solution's way, its results in the rows' units; nothing before a
// calculation.
model::Working InverseWindow::working() const
{
    if (shown_ < 0 && !showsPartial())
        return {body_->name, {}, {}, {}};
    model::Task t = solved_;
    for (const Row& row : rows_)
        t.units.insert(row.quantity.symbol, &unitOf(row));
    return model::working(t, answer_, QLocale());
}

void InverseWindow::chooseSolution(int index)
{
    show(index);
}

void InverseWindow::cmdleeren_Click()
{
    if (material_)
        material_->setCurrentIndex(0);
    for (Row& row : rows_) {
        row.box->clear();
        row.written.clear();
        markComputed(row, false);
    }
    clearComputed();
}

// The calculator window of the body, found by its id, shows the same solid:
// its option set, each dimension in cm as the shortest text that reads back
// as the same number, and computed.
void InverseWindow::cmdübernehmen_Click()
{
    if (showsPartial()) {
        rt::msgBox(QStringLiteral("Es fehlen noch Angaben: Übernommen werden nur Körper, deren "
                                  "Maße alle berechnet sind."),
                   rt::Information, kTitle, this);
        return;
    }
    if (shown_ < 0) {
        rt::msgBox(QStringLiteral("Bitte zuerst „Berechnen“ drücken: Übernommen werden die "
                                  "berechneten Maße."),
                   rt::Information, kTitle, this);
        return;
    }
    const solids::Showing target = solids::showing(body_->id);
    if (!target.solid)
        return;
    const QString name = QString::fromUtf8(target.solid->window);
    rt::windows::show(name);
    if (auto* window = dynamic_cast<solids::CalculatorWindow*>(rt::windows::get(name)))
        window->showBody(body_->id, answer_.solutions[size_t(shown_)].values);
}

void InverseWindow::cmdkopieren_Click()
{
    QGuiApplication::clipboard()->setText(
        shown_ < 0 && !showsPartial() ? QString() : working().text(std::max(shown_, 0)));
}

void InverseWindow::cmdok_Click()
{
    rt::windows::hide(QString::fromUtf8(names::kInverse));
}

// What is printed: the solid's sketch as shown beside the rows, and the
// worked solution, every solution's way where there are several. Headed by
// the solid alone: which of several solutions is shown belongs to the
// window, not to the task a class is given.
Document InverseWindow::document() const
{
    Document d = worked::document(working(), sketch_->sketch(), {});
    d.kind = kTitle;
    return d;
}

QString InverseWindow::solutionText() const
{
    return text_->toPlainText();
}

QString InverseWindow::bodyName() const
{
    return body_ ? body_->name : QString();
}

void InverseWindow::chooseBody(const QString& name)
{
    if (const model::Body* b = model::body(name))
        build(*b);
}

void InverseWindow::followActiveCalculator()
{
    for (const Row& row : rows_) {
        if (!row.box->text().isEmpty())
            return;
    }
    auto* frame =
        dynamic_cast<rt::MdiFrame*>(rt::windows::loaded(QString::fromUtf8(names::kFrame)));
    QMdiSubWindow* sub = frame && frame->area() ? frame->area()->currentSubWindow() : nullptr;
    const auto* calculator =
        sub ? dynamic_cast<const solids::CalculatorWindow*>(sub->widget()) : nullptr;
    const model::Body* b = calculator ? model::bodyById(calculator->bodyId()) : nullptr;
    build(b ? *b : *model::bodies().front());
}

} // namespace worked
