#pragma once

#include "model/composite.h"
#include "quantityrow.h"
#include "worksheet.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QVBoxLayout;

namespace worked {

class PrintBar;
class SketchPane;

// fozusammengesetzt: a body made of parts, each a body of the list joined to
// an earlier one. Any quantity of a part, of the whole or an unknown letter
// is typed in any unit; every other one is found, with the way there. As in
// the Umkehraufgabe a box the user typed in is given, one holding what the
// window wrote is computed.
class CompositeWindow final : public QWidget {
public:
    CompositeWindow();

    void cmdberechnen_Click();
    void cmdleeren_Click();
    void cmdkopieren_Click();
    void cmdok_Click();
    void cmdspeichern_Click();
    void cmdöffnen_Click();
    void cmdteilhinzufügen_Click();
    void cmdteilentfernen_Click();

    // What the user typed, as a file keeps it; computed boxes are not in it.
    model::Description description() const;
    // Shows the parts and texts of a description, nothing computed.
    void setDescription(const model::Description& description);
    // The file's work without its dialog: empty where it worked, else what
    // went wrong, in German. A file that cannot be read leaves the window as
    // it was.
    QString saveTo(const QString& path) const;
    QString openFrom(const QString& path);

    int partCount() const { return int(parts_.size()); }
    // The worked solution as shown.
    QString solutionText() const;
    int solutionCount() const { return int(answer_.solutions.size()); }
    void chooseSolution(int index);

    QSize sizeHint() const override;
    // The sketch and the worked solution shown, for printing.
    Document document() const;

private:
    struct Row : QuantityRow {
        model::Quantity quantity;
        QString key;     // what the whole body calls it: "r₂", "V", "a"
        QString written; // what the window last wrote into the box
    };
    struct Part {
        QGroupBox* group = nullptr;
        QGridLayout* grid = nullptr;
        QComboBox* body = nullptr;
        QComboBox* joint = nullptr; // none for the first part
        QSpinBox* count = nullptr;
        QHBoxLayout* faces = nullptr;
        QCheckBox* withoutBase = nullptr;
        QCheckBox* withoutTop = nullptr;
        const model::Body* built = nullptr; // the body its rows are for
        std::vector<Row> rows;
    };

    void addPart();
    void removePart();
    const model::Body& bodyOf(const Part& part) const;
    void buildFaces(Part& part, int number);
    void buildRows(Part& part, int number);
    void fillJoints(Part& part, int number);
    void partChanged(Part& part);
    void buildUnknowns(const QStringList& letters);
    void refreshUnknowns();
    void buildWhole();
    Row makeRow(QGridLayout* grid, const model::Quantity& quantity, const QString& key,
                const QString& name);
    void orderTabs();
    void alignCaptions();
    void updateButtons();

    // Every row: the parts', the unknowns', the whole body's.
    std::vector<Row*> allRows();
    std::vector<const Row*> allRows() const;
    Row* rowOf(const QObject* control);
    bool isGiven(const Row& row) const;
    void clearComputed();
    void dropSolutionOptions();
    void present(const model::Composite& composite, const model::Answer& answer);
    void fill(const model::Values& values);
    void show(int solution);
    void showPartial();
    bool showsPartial() const { return solved_ && answer_.status == model::Answer::Missing; }
    model::Working working() const;

    std::vector<std::unique_ptr<Part>> parts_;
    std::vector<Row> unknowns_;
    std::vector<Row> whole_;
    std::optional<model::Composite> solved_; // what the answer belongs to
    model::Answer answer_;
    int shown_ = -1;

    QWidget* solutionsBox_;
    QHBoxLayout* solutionsLayout_;
    QButtonGroup* solutions_;
    QWidget* rowsBox_;
    RowsArea* rowsArea_ = nullptr;
    QVBoxLayout* partsLayout_;
    QPushButton* addPart_;
    QPushButton* removePart_;
    QGroupBox* unknownsGroup_;
    QGridLayout* unknownsGrid_ = nullptr;
    QGroupBox* wholeGroup_;
    QGridLayout* wholeGrid_;
    QComboBox* material_ = nullptr;
    SketchPane* sketch_;
    QTextEdit* text_;
    PrintBar* print_;
    std::vector<QPushButton*> buttons_; // Berechnen to OK, in the tab order
};

} // namespace worked
