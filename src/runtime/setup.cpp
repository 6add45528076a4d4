#include "setup.h"
#include "look.h"
#include "messages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleHints>
#include <QTimer>
#include <QTranslator>

namespace rt {

namespace {

// Keeps the cursor blinking while the user works and stops it once nobody
// has typed or clicked for a while; the next input starts it again.
class BlinkTimeout : public QObject {
public:
    explicit BlinkTimeout(QObject* parent)
        : QObject(parent)
        , flash_(QGuiApplication::styleHints()->cursorFlashTime())
    {
        idle_.setSingleShot(true);
        connect(&idle_, &QTimer::timeout, this,
                [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
        qApp->installEventFilter(this);
        idle_.start(10000);
    }

    void setTimeout(int milliseconds) { idle_.start(milliseconds); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::InputMethod:
            if (QGuiApplication::styleHints()->cursorFlashTime() == 0)
                QGuiApplication::styleHints()->setCursorFlashTime(flash_);
            idle_.start();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int flash_;
    QTimer idle_;
};

BlinkTimeout* blinkTimeout = nullptr;

} // namespace

void stopBlinkingAfter(int milliseconds)
{
    if (blinkTimeout)
        blinkTimeout->setTimeout(milliseconds);
}

void setUp()
{
    if (!blinkTimeout)
        blinkTimeout = new BlinkTimeout(qApp);
    QApplication::setApplicationName(kAppTitle);
    if (QLocale().language() == QLocale::German) {
        auto* translator = new QTranslator(qApp);
        if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace rt
