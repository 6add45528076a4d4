#include "worksheet.h"

#include "runtime/look.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace worked {

namespace {

// Sizes in points: the painter is scaled so that one unit is one point.
constexpr int kHeadingSize = 18;
constexpr int kTextSize = 12;
constexpr int kNameLineSize = 11;
constexpr double kSketchWidth = 340;
constexpr double kSketchHeight = 220;
constexpr double kRuleSpacing = 8 / 25.4 * 72; // 8 mm, the lines of a school exercise book

const QString kNameLine = QStringLiteral("Name: ______  Klasse: ____  Datum: ______");
const QString kSolutionHeading = QStringLiteral("Lösung");

QFont serif(int points, bool bold = false)
{
    QFont f = rt::font({"Georgia", double(points), bold});
    f.setPixelSize(points);
    // Measured as the page draws it, not as a screen would round it.
    f.setHintingPreference(QFont::PreferNoHinting);
    // Any spacing turns ligatures off: "Oberfläche" stays six letters and two
    // more in the PDF's text, so that a search for it finds it.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return f;
}

// The device's pages, filled from top to bottom.
class Pages {
public:
    Pages(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter)
        , device_(device)
    {
        const double sx = device.logicalDpiX() / 72.0, sy = device.logicalDpiY() / 72.0;
        painter.scale(sx, sy);
        width_ = device.width() / sx;
        height_ = device.height() / sy;
    }

    QPainter& painter() { return painter_; }
    double width() const { return width_; }
    double height() const { return height_; }
    double y = 0;

    double room() const { return height_ - y; }

    void newPage()
    {
        device_.newPage();
        y = 0;
    }

    // A line of text at the current height, squeezed where one word outgrows
    // the page, so that nothing is cut.
    void text(const QString& line, const QFont& font, double indent = 0)
    {
        const QFontMetricsF metrics(font);
        painter_.setFont(font);
        const double width = metrics.horizontalAdvance(line);
        const double free = width_ - indent;
        painter_.save();
        painter_.translate(indent, y + metrics.ascent());
        if (width > free)
            painter_.scale(free / width, 1);
        painter_.drawText(QPointF(0, 0), line);
        painter_.restore();
        y += metrics.lineSpacing();
    }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    double width_ = 0, height_ = 0;
};

// A solution line broken at its blanks into rows that fit the width; the rows
// after the first are indented.
QStringList rowsOf(const QString& line, const QFontMetricsF& metrics, double width, double indent)
{
    QStringList rows;
    QString rest = line;
    double free = width;
    // Not after a number: it keeps its unit, or the operator that follows.
    const auto breakable = [&](qsizetype at) { return at > 0 && !rest[at - 1].isDigit(); };
    const auto previous = [&](qsizetype from) {
        qsizetype at = rest.lastIndexOf(u' ', from);
        while (at > 0 && !breakable(at))
            at = rest.lastIndexOf(u' ', at - 1);
        return at;
    };
    while (metrics.horizontalAdvance(rest) > free) {
        qsizetype cut = previous(-1);
        while (cut > 0 && metrics.horizontalAdvance(rest.left(cut)) > free)
            cut = previous(cut - 1);
        if (cut <= 0)
            break; // one word alone: squeezed when painted
        rows << rest.left(cut);
        rest = rest.mid(cut + 1);
        free = width - indent;
    }
    rows << rest;
    return rows;
}

// The lines in paragraphs, separated by blank lines; a paragraph is kept on
// one page where it fits on one. Headings are set in bold.
void paintLines(Pages& pages, const QStringList& lines, const QList<model::Line::Role>& roles)
{
    const auto isCaption = [&](qsizetype i) {
        return i < roles.size() && model::Line::isHeading(roles[i]);
    };
    const QFont plain = serif(kTextSize), bold = serif(kTextSize, true);
    const QFontMetricsF metrics(plain);
    const double indent = 2 * metrics.height();
    const double gap = metrics.lineSpacing() * 0.6;
    qsizetype i = 0;
    while (i < lines.size()) {
        if (lines[i].trimmed().isEmpty()) {
            if (pages.y > 0)
                pages.y += gap;
            ++i;
            continue;
        }
        qsizetype end = i;
        std::vector<QStringList> paragraph;
        while (end < lines.size() && !lines[end].trimmed().isEmpty()) {
            paragraph.push_back(rowsOf(lines[end], QFontMetricsF(isCaption(end) ? bold : plain),
                                       pages.width(), indent));
            ++end;
        }
        qsizetype rows = 0;
        for (const QStringList& r : paragraph)
            rows += r.size();
        const double height = double(rows) * metrics.lineSpacing();
        if (height > pages.room() && height <= pages.height() && pages.y > 0)
            pages.newPage();
        for (qsizetype k = 0; k < qsizetype(paragraph.size()); ++k) {
            const QFont& font = isCaption(i + k) ? bold : plain;
            for (qsizetype r = 0; r < paragraph[k].size(); ++r) {
                if (metrics.lineSpacing() > pages.room() && pages.y > 0)
                    pages.newPage();
                pages.text(paragraph[k][r], font, r == 0 ? 0 : indent);
            }
        }
        i = end;
    }
}

void paintHeading(Pages& pages, const QString& heading)
{
    pages.text(heading, serif(kHeadingSize, true));
    pages.y += 6;
}

// "Name: ______  Klasse: ____  Datum: ______" across the whole width: each run
// of underscores drawn stretched, in proportion to its length, so that the text
// stays the same and there is room to write.
void paintNameLine(Pages& pages)
{
    const QFont font = serif(kNameLineSize);
    const QFontMetricsF metrics(font);
    static const QRegularExpression kRuns(QStringLiteral("_+|[^_]+"));
    QStringList pieces;
    double words = 0, blanks = 0;
    for (const auto& m : kRuns.globalMatch(kNameLine)) {
        pieces << m.captured();
        if (m.captured().startsWith(u'_')) {
            blanks += metrics.horizontalAdvance(m.captured());
        } else {
            words += metrics.horizontalAdvance(m.captured());
        }
    }
    QPainter& painter = pages.painter();
    painter.setFont(font);
    // The last run's ink may reach past its advance: it ends at the margin.
    const QRectF lastInk = metrics.tightBoundingRect(pieces.last());
    const double overhang =
        std::max(0.0, lastInk.right() - metrics.horizontalAdvance(pieces.last()));
    const double stretch = std::max(1.0, (pages.width() - words) / (blanks + overhang));
    const double baseline = pages.y + metrics.ascent();
    double x = 0;
    for (const QString& piece : pieces) {
        const double width = metrics.horizontalAdvance(piece);
        painter.save();
        painter.translate(x, baseline);
        const bool blank = piece.startsWith(u'_');
        if (blank) {
            painter.scale(stretch, 1);
            // One unbroken rule under the underscores, which leave gaps
            // between them when stretched; they stay for the text.
            const QRectF ink = metrics.tightBoundingRect(piece);
            painter.fillRect(
                QRectF(ink.left(), ink.top(), width - ink.left() + overhang, ink.height()),
                Qt::black);
        }
        painter.drawText(QPointF(0, 0), piece);
        painter.restore();
        x += blank ? width * stretch : width;
    }
    pages.y += metrics.lineSpacing() * 1.5;
}

void paintSketch(Pages& pages, const Document& document, bool highlight)
{
    if (document.sketch.lines().empty() && document.sketch.arcs().empty())
        return;
    const double width = std::min(kSketchWidth, pages.width());
    const QRectF room((pages.width() - width) / 2, pages.y, width, kSketchHeight);
    QPainter& painter = pages.painter();
    painter.save();
    painter.setPen(Qt::black);
    document.sketch.paint(painter, room, highlight ? document.highlighted : QString());
    painter.restore();
    pages.y += kSketchHeight + 8;
}

// The rest of the page ruled for the pupil's answer.
void paintAnswerArea(Pages& pages)
{
    QPainter& painter = pages.painter();
    painter.save();
    painter.setPen(QPen(QColor(0x8C, 0x8C, 0x8C), 0.5));
    for (double y = pages.y + kRuleSpacing; y <= pages.height(); y += kRuleSpacing)
        painter.drawLine(QPointF(0, y), QPointF(pages.width(), y));
    painter.restore();
    pages.y = pages.height();
}

// Qt writes the time of writing into the document information; without it the
// same document gives the same bytes. Blanked in place, so that every offset
// in the file stays right.
void dropCreationDate(QByteArray& bytes)
{
    static const QByteArray kKey("/CreationDate (");
    const qsizetype from = bytes.indexOf(kKey);
    if (from < 0)
        return;
    const qsizetype to = bytes.indexOf(')', from + kKey.size());
    if (to < 0)
        return;
    for (qsizetype i = from; i <= to; ++i)
        bytes[i] = ' ';
}

QString shown(const QString& path)
{
    return QStringLiteral("„%1“").arg(QDir::toNativeSeparators(path));
}

} // namespace

Document document(const model::Working& working, const solids::Sketch& sketch,
                  const QString& highlighted)
{
    Document d;
    d.solid = working.title;
    d.sketch = sketch;
    d.highlighted = highlighted;
    const auto add = [](QStringList& lines, QList<model::Line::Role>& roles,
                        const std::vector<model::Line>& more) {
        for (const model::Line& l : more) {
            lines << l.text;
            roles << l.role;
        }
    };
    const int count = int(working.solutions.size());
    if (count == 0)
        return d; // nothing worked out yet
    const std::vector<model::Line> task = working.task();
    add(d.task, d.taskRoles, task);
    add(d.solution, d.solutionRoles, task);
    if (count == 1) {
        add(d.solution, d.solutionRoles, working.way(0));
        return d;
    }
    // Every solution's way, one after the other: an answer page leaves none
    // of them out. Each heading stays on the page of the working it heads.
    for (int i = 0; i < count; ++i) {
        std::vector<model::Line> way = working.way(i);
        while (!way.empty() && way.front().role == model::Line::Blank)
            way.erase(way.begin());
        add(d.solution, d.solutionRoles,
            {{model::Line::Blank, {}},
             {model::Line::Heading, QStringLiteral("Lösung %1 von %2:").arg(i + 1).arg(count)}});
        add(d.solution, d.solutionRoles, way);
    }
    return d;
}

QPageLayout pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

void paintDocument(QPainter& painter, QPagedPaintDevice& device, const Document& document,
                   bool worksheet)
{
    painter.save();
    painter.setPen(Qt::black);
    Pages pages(painter, device);
    paintHeading(pages, document.solid);
    paintNameLine(pages);
    // A task for a class marks no letter; the solution shows what the window shows.
    paintSketch(pages, document, !worksheet);
    if (worksheet) {
        paintLines(pages, document.task, document.taskRoles);
        paintAnswerArea(pages);
        pages.newPage();
        paintHeading(pages, kSolutionHeading + QStringLiteral(": ") + document.solid);
    }
    paintLines(pages, document.solution, document.solutionRoles);
    painter.restore();
}

QByteArray pdf(const Document& document, bool worksheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.title());
        writer.setCreator(QStringLiteral("Solvanto"));
        writer.setPageLayout(pageLayout());
        QPainter painter(&writer);
        paintDocument(painter, writer, document, worksheet);
    }
    QByteArray bytes = buffer.data();
    dropCreationDate(bytes);
    return bytes;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("%1 ist ein Ordner. Bitte wählen Sie einen Dateinamen.")
            .arg(shown(path));
    if (!info.absoluteDir().exists())
        return QStringLiteral("Die Datei %1 kann nicht angelegt werden, denn den Ordner %2 gibt "
                              "es nicht. Bitte wählen Sie einen anderen Ordner.")
            .arg(shown(path), shown(info.absolutePath()));
    QSaveFile file(path);
    // Where the folder forbids a new file but the file itself may be written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Die Datei %1 kann nicht angelegt werden. Bitte wählen Sie einen "
                              "Ordner, in dem Sie schreiben dürfen.")
            .arg(shown(path));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Die Datei %1 konnte nicht vollständig geschrieben werden. Ist "
                              "der Datenträger voll?")
            .arg(shown(path));
    return {};
}

QString writePdf(const QString& path, const Document& document, bool worksheet)
{
    return writeFile(path, pdf(document, worksheet));
}

} // namespace worked
