#pragma once

#include "model/working.h"
#include "solids/sketch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// A worked solution on paper: the pieces a window shows, laid out on pages by
// one painter routine that a PDF writer and a printer share.
namespace worked {

struct Document {
    QString kind = QStringLiteral("Rechenweg"); // heads the PDF's title with the solid
    QString solid;                              // "Zylinder": heading and file name
    solids::Sketch sketch;
    QString highlighted;  // the box whose letter stands out in the sketch, if any
    QStringList task;     // Gegeben and Gesucht: the worksheet's first page
    QStringList solution; // the whole worked solution, one line each
    // Each line's role, by its place in task and solution: headings are set in
    // bold. A line beyond them is plain text.
    QList<model::Line::Role> taskRoles, solutionRoles;

    // "Rechenweg Zylinder"
    QString title() const { return kind + u' ' + solid; }
};

// A document from a working: its title heads it, its task is the worksheet's
// first page, and the solution is the task with the way; where there are
// several solutions, every one's way, each headed "Lösung 1 von 2:".
Document document(const model::Working& working, const solids::Sketch& sketch,
                  const QString& highlighted);

// A4 portrait with margins of 20 mm, where a printer starts.
QPageLayout pageLayout();

// Paints the document on the device's pages, from the current one on: a heading,
// the line for the pupil's name, the sketch and the solution, continued on
// further pages between lines. As a worksheet: the task with an empty ruled
// answer area on the first page, the full solution on a page of its own, headed
// "Lösung".
void paintDocument(QPainter& painter, QPagedPaintDevice& device, const Document& document,
                   bool worksheet);

// The document as a PDF with its title and creator in the document information.
// The bytes depend on nothing but the document (see pdf()).
QByteArray pdf(const Document& document, bool worksheet);

// Writes the bytes to the file; an empty text when it worked, else what went
// wrong in plain German. An existing file is replaced only by a complete new
// one.
QString writeFile(const QString& path, const QByteArray& bytes);

// Writes pdf() to the file; an empty text when it worked, else what went wrong in
// plain German. An existing file is replaced only by a complete new one.
QString writePdf(const QString& path, const Document& document, bool worksheet);

} // namespace worked
