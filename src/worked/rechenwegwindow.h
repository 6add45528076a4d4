#pragma once

#include "workedsolution.h"
#include "worksheet.h"

#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class QTextEdit;
class QPushButton;

namespace solids {
class CalculatorWindow;
}

namespace worked {

class PrintBar;
class SketchView;

// forechenweg: the sketch and the worked solution of the active calculator
// window of the frame, following it as the user switches windows, types and
// computes. "OK" hides it; "Kopieren" and Ctrl+C copy the solution; it prints,
// or saves as a PDF, what it shows.
class RechenwegWindow final : public QWidget {
public:
    RechenwegWindow();
    ~RechenwegWindow() override;

    void cmdok_Click();
    void cmdkopieren_Click();

    // The solution as shown, or the line that says there is nothing to show.
    QString solutionText() const;
    const solids::CalculatorWindow* followed() const { return followed_; }
    // The text box whose letter stands out in the sketch.
    QString highlighted() const;
    // What printing and saving put on paper: the sketch and the solution shown.
    Document document() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void attachToFrame();
    void activated(QMdiSubWindow* sub);
    void follow(solids::CalculatorWindow* window);
    void refresh();
    void copySelectionOrAll();

    QPointer<QMdiArea> area_;
    QPointer<solids::CalculatorWindow> followed_;
    QList<QMetaObject::Connection> watching_;
    QMetaObject::Connection focusWatch_;
    SketchView* sketch_;
    QTextEdit* text_;
    PrintBar* print_;
    model::Working working_; // the solution shown, as data; empty with nothing to show
};

} // namespace worked
