#pragma once

#include "look.h"

#include <QHash>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;

// Windows described as data: captions, geometry in twips, fonts, tab order and
// background, built into widgets by one builder.
namespace rt {

// Twips become device-independent pixels at 15 twips per pixel (96 DPI).
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

struct Twips {
    int left, top, width, height;
};

// A control by its name and, for a member of a control array, its index.
struct Ref {
    const char* name = nullptr;
    int index = -1;
    explicit operator bool() const { return name != nullptr; }
};

enum class Kind { Label, TextBox, Button, Option, Frame, Picture, Line };

enum class Role {
    Static, // a caption, title or unit that no code touches
    Input,  // a text box the user types a dimension into
    Result, // a label written by a calculation; grows to show its whole text
};

// What a unit label or a raised power means when it is read out.
enum class Spoken { Nothing, Centimetre, Degree, Square, Cube };

struct Control {
    Kind kind;
    const char* name;
    int index; // member of a control array, or -1
    const char* caption;
    Twips at;
    FontSpec font = {};
    int tabIndex = -1;
    Role role = Role::Static;
    Ref named; // an input's or result's caption on its left
    Ref unit;  // an input's or result's unit label; it follows a growing result
    Ref power; // a result's raised "2" or "3"; it follows too
    Spoken spoken = Spoken::Nothing; // a unit or power label: what it stands for
    const char* container = nullptr; // the frame it sits in, if any
    bool checked = false;            // an option: set when the window opens
};

// The rows a window is made of, one helper per kind, each saying what the row
// is and how it relates to the others. Positions in twips, relative to the
// window (or to the frame named as container).
namespace rows {

Control title(const char* name, int index, const char* text, Twips at, FontSpec font, int tab);
Control caption(const char* name, int index, const char* text, Twips at, FontSpec font, int tab);
// A text box for a dimension, known by its caption and described by its unit.
Control input(const char* name, Twips at, int tab, Ref caption, Ref unit = {});
// A text box with a text at start, not one of a calculator's dimensions.
Control textBox(const char* name, const char* text, Twips at, int tab);
// "cm" or a degree sign: what a reader says for it.
Control unit(const char* name, const char* text, Twips at, FontSpec font, int tab, Spoken says);
// The raised "2" or "3" beside a unit; a reader hears it as part of the unit.
Control power(const char* name, const char* text, Twips at, int tab, Spoken says);
// A label a calculation writes, known by its caption, followed by its unit and power.
Control result(const char* name, Twips at, int tab, Ref caption, Ref unit = {}, Ref power = {});
Control button(const char* name, const char* text, Twips at, FontSpec font, int tab);
Control option(const char* name, const char* text, Twips at, FontSpec font, int tab);
Control label(const char* name, const char* text, Twips at, FontSpec font, int tab,
              const char* container = nullptr);
Control frame(const char* name, const char* text, Twips at, int tab);
Control picture(const char* name, Twips at, int tab);
// A line has no widget: it is drawn between its two end points, in twips.
Control line(const char* name, QPoint from, QPoint to);

} // namespace rows

struct WindowDescription {
    const char* caption;
    int width, height; // client area in twips
    SystemColor background;
    std::vector<Control> controls;

    // The caption of the row a text box or result stands in, without the
    // trailing colon ("Radius r" for txtradiusr).
    QString rowCaption(const QString& name) const;
};

// A window built from its description. Controls are found by name (and index
// for control arrays); labels and text boxes expose what the runtime's handlers
// read and write.
class Form : public QWidget {
public:
    explicit Form(const WindowDescription& description, QWidget* parent = nullptr);

    const WindowDescription& description() const { return description_; }

    QWidget* control(const QString& name, int index = -1) const;
    QLabel* label(const QString& name, int index = -1) const;
    QLineEdit* textBox(const QString& name) const;
    QAbstractButton* button(const QString& name) const;

    // Sets a label's text and makes room for it (results are never clipped).
    void setCaption(const QString& label, const QString& text);

    // The caption of the row a text box or result label stands in, without the
    // trailing colon ("Radius r" for txtradiusr): for messages and screen readers.
    QString rowCaption(const QString& name) const;

    // The control that takes the focus when the window opens: the lowest tab
    // index among those that can take it.
    QWidget* firstInTabOrder() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

    QSize minimumSizeHint() const override { return {}; }

private:
    void buildFrames();
    void buildControls();
    void orderTabs();
    void relate();
    void fit();
    void widen(const Control& c);
    const Control* find(const QString& name, int index = -1) const;
    QWidget* widget(const Control& c) const;
    QWidget* widget(Ref r) const;

    WindowDescription description_;
    QHash<QString, QWidget*> controls_;
    QSize needed_;
};

} // namespace rt
