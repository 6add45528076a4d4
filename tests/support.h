#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace test {

// Fonts and window definitions as the program sets them up.
void setUpProgram();

struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs the action; the modal message box it opens (if any) is read and
// answered with OK.
ShownBox answerBox(const std::function<void()>& action);

// Clicks a widget's button-like control by object name inside a window.
void click(QWidget* window, const QString& name);

// Replaces a text box's text the way a user types it.
void type(QWidget* window, const QString& box, const QString& text);

QString labelText(QWidget* window, const QString& label);

} // namespace test

#include "solids/calculator.h"

#include <QMap>
#include <QSet>

namespace test {

// A calculator sheet made of plain texts: what the routine reads, writes and
// says is recorded in order.
class TextSheet : public solids::Sheet {
public:
    struct Message {
        QString text;
        int style;
        QString title;
    };

    explicit TextSheet(QMap<QString, QString> initial, QLocale locale = QLocale())
        : texts(std::move(initial))
        , locale_(std::move(locale))
    {
    }

    QString text(const QString& name) const override { return texts.value(name); }
    QString rowCaption(const QString& name) const override
    {
        return QStringLiteral("[%1]").arg(name);
    }
    bool isSet(const QString& option) const override { return options.contains(option); }
    void write(const QString& label, const QString& value) override
    {
        texts[label] = value;
        writes << label;
    }
    void message(const QString& text, int style, const QString& title) override
    {
        messages << Message{text, style, title};
    }
    QLocale locale() const override { return locale_; }

    QMap<QString, QString> texts;
    QSet<QString> options;
    QStringList writes;
    QList<Message> messages;

private:
    QLocale locale_;
};

} // namespace test
