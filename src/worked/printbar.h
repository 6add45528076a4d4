#pragma once

#include "worksheet.h"

#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QPushButton;

namespace worked {

// Where a file dialog starts: the folder of the last file saved or opened
// while the program runs, else the documents folder.
QString startFolder();
void rememberFolder(const QString& file);

// "Drucken…", "Als PDF speichern…" and "Als Arbeitsblatt" for a window that
// shows a worked solution; Ctrl+P prints while that window is active. The
// document is asked for when the user prints or saves, so it is always the one
// the window shows.
class PrintBar final : public QWidget {
public:
    using Source = std::function<Document()>;

    PrintBar(QWidget* window, Source source);

    void cmddrucken_Click();
    void cmdalspdfspeichern_Click();

    // With nothing to print, the buttons and Ctrl+P are off.
    void setAvailable(bool available);
    bool worksheet() const;
    // Puts the bar's controls into the window's tab order between two others.
    void placeInTabOrder(QWidget* before, QWidget* after);

protected:
    // Room around the buttons' captions in the font the window gives the bar.
    void changeEvent(QEvent* event) override;

private:
    Source source_;
    QPushButton* print_;
    QPushButton* save_;
    QCheckBox* worksheet_;
    QAction* printing_;
};

} // namespace worked
