#pragma once

#include "look.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace rt {

// The desktop's edit actions on one control: cut and paste on a text box,
// copy on a text box or on a result label (its selection, or all of it when
// nothing is selected and it has the focus).
class EditTarget {
public:
    explicit EditTarget(QWidget* control);

    bool canCut() const;
    bool canCopy() const;
    bool canPaste() const;
    void cut() const;
    void copy() const;
    void paste() const;

private:
    QLineEdit* box_ = nullptr;
    QLabel* label_ = nullptr;
};

// The multiple-document frame: child windows, their arrangement and the list of
// open windows. The program's frame adds its menus on top.
class MdiFrame : public QMainWindow {
public:
    enum Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2 };

    explicit MdiFrame(QWidget* parent = nullptr);

    QMdiArea* area() const { return area_; }

    // Wraps a window as a child of the frame, placed where it is seen at once:
    // the first child at the top left, later ones beside it.
    QMdiSubWindow* addChild(QWidget* window);

    // 0 cascades; 1 stacks the children one below the other at full width;
    // 2 places them side by side at full height.
    void arrange(int code);

    // Fills the menu with the open child windows each time it opens, and below
    // them the open free windows; choosing one brings it to the front.
    void attachWindowList(QMenu* menu);

    // The control that has, or last had, the focus in the active child window:
    // what the edit entries act on, also while a menu holds the keyboard.
    QWidget* focusedControl() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPoint placeFor(QMdiSubWindow* sub) const;

    QMdiArea* area_;
};

} // namespace rt
