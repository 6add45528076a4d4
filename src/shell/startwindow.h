#pragma once

#include "runtime/form.h"

namespace shell {

// Form1: the start window where the user picks a solid.
class StartWindow final : public rt::Form {
public:
    StartWindow();
    ~StartWindow() override;

    void cmdweiter_Click();
    void cmdbeenden_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void markDefault();

    QMetaObject::Connection focusWatch_;
};

} // namespace shell
