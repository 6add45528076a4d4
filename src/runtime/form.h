#pragma once

#include "look.h"

#include <QHash>
#include <QPointer>
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

// A Line has no widget: it is drawn from (left, top) to (width, height), all in
// twips, as line controls store their two end points.
enum class Kind { Label, TextBox, Button, Option, Frame, Picture, Line };

enum class Role {
    Static,   // a caption that no code touches
    Result,   // a label written by a calculation; grows to show its whole text
    Follower, // a unit label that keeps its distance to the result label it follows
};

struct Control {
    Kind kind;
    const char* name;
    int index; // member of a control array, or -1
    const char* caption;
    int left, top, width, height;
    FontSpec font = {};
    int tabIndex = -1;
    Role role = Role::Static;
    const char* follows = nullptr;   // Role::Follower: the result label it follows
    const char* container = nullptr; // name of the frame it sits in, if any
};

struct WindowDescription {
    const char* name;
    const char* caption;
    int width, height; // client area in twips
    SystemColor background;
    std::vector<Control> controls;
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

    static QString key(const QString& name, int index);

private:
    void build();
    void relate();
    void fit();
    const Control* find(const QString& name) const;
    const Control* rowLabel(const Control& self) const;
    const Control* unitBeside(const Control& self) const;

    WindowDescription description_;
    QHash<QString, QWidget*> controls_;
    QSize needed_;
};

} // namespace rt
