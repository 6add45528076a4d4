#pragma once

#include "runtime/form.h"

class QMovie;

namespace shell {

// foinfo: the about window with the opening rose. OK (or Escape) only hides
// it, so the next "Info" shows the same window where it was.
class InfoWindow final : public rt::Form {
public:
    InfoWindow();

    void cmdzurück_Click();

protected:
    // The rose plays only while it can be seen, so that the program does no
    // work while nobody looks.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void playWhileSeen();

    QMovie* rose_;
};

} // namespace shell
