#pragma once

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
