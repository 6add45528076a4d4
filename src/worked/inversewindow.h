#pragma once

#include "model/solver.h"
#include "model/working.h"
#include "model/writing.h"
#include "quantityrow.h"
#include "worksheet.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;

namespace worked {

class PrintBar;
class SketchPane;

// foumkehraufgabe: any quantities of a solid given, in any unit, every other
// one found, with every solution and the way there. A box the user typed in
// is given; a box holding what the window itself wrote is computed.
class InverseWindow final : public QWidget {
public:
    InverseWindow();

    void cmdberechnen_Click();
    void cmdleeren_Click();
    void cmdübernehmen_Click();
    void cmdkopieren_Click();
    void cmdok_Click();
    // Shows an answer to a task of the body shown as "Berechnen" shows the
    // solver's: the message where there is no solution, then what the givens
    // fix; else the rows of the first solution, with an option for each.
    void present(const model::Task& task, const model::Answer& answer);

    // Shows the solid of the frame's active calculator window, unless the
    // user has typed something here already.
    void followActiveCalculator();
    // The body shown: "Zylinder".
    QString bodyName() const;
    void chooseBody(const QString& name);
    // The worked solution as shown.
    QString solutionText() const;
    // How many solutions the last calculation found.
    int solutionCount() const { return int(answer_.solutions.size()); }
    void chooseSolution(int index);

    QSize sizeHint() const override;
    // The solid's sketch and the worked solution shown, for printing.
    Document document() const;

private:
    struct Row : QuantityRow {
        model::Quantity quantity;
        QString written; // what the window last wrote into the box
    };

    void build(const model::Body& body);
    void buildOptions(const model::Body& body, QWidget*& previous);
    void buildMaterial(QWidget*& previous);
    // The body as its check boxes make it, with a material where the user
    // gave a density or a mass.
    const model::Body& solving() const;
    bool isGiven(const Row& row) const;
    void markComputed(Row& row, bool computed);
    void clearComputed();
    void dropSolutionOptions();
    void show(int solution);
    void fill(const model::Values& values);
    void showPartial();
    // What too few givens fix is shown: the answer kept is one of those.
    bool showsPartial() const { return answer_.status == model::Answer::Missing; }
    model::Working working() const;
    model::Task task() const;
    const model::Unit& unitOf(const Row& row) const;

    const model::Body* body_ = nullptr;
    std::vector<Row> rows_;
    model::Answer answer_;
    model::Task solved_; // the task the answer belongs to
    int shown_ = -1;

    QComboBox* bodies_;
    QWidget* solutionsBox_;
    QHBoxLayout* solutionsLayout_;
    QButtonGroup* solutions_;
    QGridLayout* grid_;
    QWidget* rowsBox_;
    QWidget* rowsArea_ = nullptr;
    SketchPane* sketch_ = nullptr; // beside the rows
    QTextEdit* text_;
    PrintBar* print_;
    QPushButton* transfer_ = nullptr; // "Übernehmen"
    QCheckBox* tied_ = nullptr;       // "gleichschenklig", where the body has a tie
    QCheckBox* withoutTop_ = nullptr;
    QCheckBox* withoutBase_ = nullptr;
    QComboBox* material_ = nullptr;
};

} // namespace worked
