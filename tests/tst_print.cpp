// Printing and saving the worked solution: the PDFs are read back with the
// Poppler tools, as another program reads them; the save dialog and the print
// preview are driven through their own controls.
#include "names.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"
#include "support.h"
#include "worked/compositewindow.h"
#include "worked/inversewindow.h"
#include "worked/rechenwegwindow.h"
#include "worked/worksheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <functional>
#include <unistd.h>

namespace w = rt::windows;

namespace {

worked::RechenwegWindow* rechenweg()
{
    return static_cast<worked::RechenwegWindow*>(
        w::loaded(QString::fromUtf8(names::kWorkedSolution)));
}

// Computes in the solid's window and opens the Rechenweg on it.
worked::RechenwegWindow* computed(const QString& window, const QString& option,
                                  const QStringList& inputs)
{
    w::show(window);
    QWidget* calculator = w::loaded(window);
    if (!option.isEmpty())
        calculator->findChild<QRadioButton*>(option)->setChecked(true);
    const auto& dimensions = solids::solid(window).calculator.dimensions;
    for (std::size_t i = 0; i < dimensions.size(); ++i)
        test::type(calculator, QString::fromUtf8(dimensions[i].box),
                   QString(inputs.value(qsizetype(i))).replace(u',', QLocale().decimalPoint()));
    test::click(calculator, QStringLiteral("cmdberechnen"));
    w::show(QString::fromUtf8(names::kWorkedSolution));
    return rechenweg();
}

// A Poppler tool's standard output; empty, with a failed check, when it does
// not run.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << tool << arguments << "failed:" << p.errorString() << p.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdfinfo's field, "Pages" or "Title".
QString info(const QString& file, const QString& field)
{
    const QRegularExpression line(u'^' + field + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(poppler(QStringLiteral("pdfinfo"), {file})).captured(1).trimmed();
}

// The text of one page in the order it was written, its lines with their
// blanks run together. (Poppler's reading order runs a line of letters each
// standing alone, "M = 2 · π · r · h", together as if it were letter-spaced.)
QStringList pageText(const QString& file, int page)
{
    const QString text =
        poppler(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                 QString::number(page), QStringLiteral("-raw"), file, QStringLiteral("-")});
    QStringList lines;
    for (const QString& l : text.split(u'\n'))
        lines << l.simplified();
    return lines;
}

// Each line of text on a page, and whether it is set in bold.
QHash<QString, bool> boldLines(const QString& file, int page)
{
    static const QRegularExpression kText(QStringLiteral("<text [^>]*>(<b>)?(.*?)(</b>)?</text>"));
    QHash<QString, bool> lines;
    const QString xml =
        poppler(QStringLiteral("pdftohtml"),
                {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                 QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                 QString::number(page), file});
    for (const auto& m : kText.globalMatch(xml))
        lines.insert(m.captured(2).simplified(), m.capturedLength(1) > 0);
    return lines;
}

bool hasLine(const QStringList& text, const QString& line)
{
    return text.contains(line.simplified());
}

// The solution's lines that carry text.
QStringList filled(const QStringList& lines)
{
    QStringList out;
    for (const QString& l : lines) {
        if (!l.trimmed().isEmpty())
            out << l;
    }
    return out;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return {};
    return path;
}

// Runs the action while the modal dialogs it opens are handled in turn, once
// each is active, by the next handler (which returns true when it took it).
void withDialogs(const std::function<void()>& action,
                 const std::vector<std::function<bool(QWidget*)>>& handlers)
{
    std::size_t next = 0;
    QWidget* handled = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == handled || next >= handlers.size())
            return;
        // Keys go where a user's would: into the active window.
        if (QApplication::activeWindow() != modal) {
            modal->activateWindow();
            return;
        }
        if (handlers[next](modal)) {
            handled = modal;
            ++next;
        }
    });
    poll.start();
    action();
    poll.stop();
    QCOMPARE(next, handlers.size());
}

// The save dialog: what it suggests, then the name typed into its file-name box
// and Enter.
std::function<bool(QWidget*)> saveAs(const QString& path, QString* suggested = nullptr)
{
    return [path, suggested](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name)
            return false;
        if (suggested)
            *suggested = name->text();
        // Set whole: typed letter by letter, it would open the completion
        // list of every folder on the way.
        name->setFocus();
        name->setText(path);
        // Later, from the event loop: the dialog's own question would run
        // inside this poll, which does not come round again while it runs.
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        return true;
    };
}

// A message box: its text kept, answered with the given button.
std::function<bool(QWidget*)> answer(QMessageBox::StandardButton button, QString* text)
{
    return [button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || !box->button(button))
            return false;
        *text = box->text();
        box->button(button)->click();
        return true;
    };
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { w::unloadAll(); }

    void pdfOfTheSolution_data();
    void pdfOfTheSolution();
    void worksheet_data();
    void worksheet();
    void sameSolutionSameBytes();
    void longSolutionGoesOnWithoutCuttingALine();
    void unwritablePath_data();
    void unwritablePath();
    void saveDialog();
    void replacesOnlyAfterTheDialogsQuestion();
    void saveErrorInAMessage();
    void printPreview();
    void nothingToPrint();
    void inverseProblemWithTwoSolutions();
    void siloWorksheet();
    void headingsByRole_data();
    void headingsByRole();

private:
    QTemporaryDir dir_;
};

void TestPrint::initTestCase()
{
    test::setUpProgram();
    QVERIFY(dir_.isValid());
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm", "pdftohtml"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 "the Poppler tools are missing (Debian package poppler-utils)");
}

void TestPrint::pdfOfTheSolution_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("solid");
    QTest::newRow("Zylinder") << "fozylinder"
                              << "" << QStringList{"2,5", "4"} << "Zylinder";
    QTest::newRow("Pyramidenstumpf")
        << "fopyramide"
        << "opstumpf" << QStringList{"4", "2", "3"} << "Pyramidenstumpf";
}

// One A4 page with title and creator, the heading and the line for the name,
// every line of the solution as the window shows it, as text; the page drawn.
void TestPrint::pdfOfTheSolution()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QStringList, inputs);
    QFETCH(QString, solid);
    const worked::Document document = computed(window, option, inputs)->document();
    QCOMPARE(document.solid, solid);
    const QString shown = rechenweg()->solutionText();
    QVERIFY(shown.contains(u'²'));
    const QString file = dir_.filePath(solid + ".pdf");
    QCOMPARE(worked::writePdf(file, document, false), QString());

    QCOMPARE(info(file, "Pages"), "1");
    QVERIFY2(info(file, "Page size").contains("(A4)"), qPrintable(info(file, "Page size")));
    QCOMPARE(info(file, "Title"), "Rechenweg " + solid);
    QCOMPARE(info(file, "Creator"), "Solvanto");
    const QStringList text = pageText(file, 1);
    QCOMPARE(text.value(0), solid);
    QVERIFY(hasLine(text, "Name: ______ Klasse: ____ Datum: ______"));
    for (const QString& line : filled(shown.split(u'\n')))
        QVERIFY2(hasLine(text, line), qPrintable(line + " not in\n" + text.join(u'\n')));

    // The page as an image, beside the test program for a look: ink in the
    // sketch and in the solution below it, white margins. The runs in each
    // locale go on at the same time, so each writes a file of its own.
    const QString png = QDir(QCoreApplication::applicationDirPath())
                            .filePath("tst_print-" + solid + "-" + QLocale().name());
    poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), file, png});
    const QImage page(png + ".png");
    QCOMPARE(page.size(), QSize(414, 585)); // A4 at 50 dots per inch
    const auto ink = [&](QRect r) {
        int dark = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                dark += qGray(page.pixel(x, y)) < 128;
        return dark;
    };
    const int margin = 39; // 20 mm
    QCOMPARE(ink(QRect(0, 0, page.width(), margin - 1)), 0);
    QCOMPARE(ink(QRect(0, 0, margin - 1, page.height())), 0);
    QVERIFY(ink(QRect(margin, 90, page.width() - 2 * margin, 150)) > 200);  // the sketch
    QVERIFY(ink(QRect(margin, 260, page.width() - 2 * margin, 200)) > 500); // the solution
}

void TestPrint::worksheet_data()
{
    pdfOfTheSolution_data();
}

// Two pages: the task on the first, "Lösung" and the whole solution only on the
// second.
void TestPrint::worksheet()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QStringList, inputs);
    QFETCH(QString, solid);
    const worked::Document document = computed(window, option, inputs)->document();
    const QString file = dir_.filePath(solid + "-Arbeitsblatt.pdf");
    QCOMPARE(worked::writePdf(file, document, true), QString());
    QCOMPARE(info(file, "Pages"), "2");
    const QStringList task = pageText(file, 1), solution = pageText(file, 2);
    QCOMPARE(task.value(0), solid);
    QVERIFY(hasLine(task, "Name: ______ Klasse: ____ Datum: ______"));
    QVERIFY(!task.join(u'\n').contains("Lösung"));
    QCOMPARE(solution.value(0), "Lösung: " + solid);
    QVERIFY(hasLine(task, "Gegeben:"));
    QVERIFY(hasLine(task, "Gesucht:"));
    for (const QString& line : filled(document.task))
        QVERIFY2(hasLine(task, line), qPrintable(line));
    for (const QString& line : filled(document.solution))
        QVERIFY2(hasLine(solution, line), qPrintable(line));
    // Nothing of the working on the task's page.
    for (const QString& line : filled(document.solution)) {
        if (!document.task.contains(line))
            QVERIFY2(!hasLine(task, line), qPrintable(line));
    }
}

// Written a second later, the same document gives the same bytes.
void TestPrint::sameSolutionSameBytes()
{
    const worked::Document document =
        computed(QStringLiteral("fozylinder"), {}, {"3", "5"})->document();
    for (const bool sheet : {false, true}) {
        const QByteArray first = worked::pdf(document, sheet);
        QThread::msleep(1100);
        QCOMPARE(worked::pdf(document, sheet), first);
    }
    QVERIFY(!worked::pdf(document, false).contains("/CreationDate"));
    QVERIFY(worked::pdf(document, false) != worked::pdf(document, true));
}

// A solution longer than a page goes on on further pages; every line stands
// whole on one of them.
void TestPrint::longSolutionGoesOnWithoutCuttingALine()
{
    worked::Document document;
    document.solid = QStringLiteral("Zylinder");
    document.sketch =
        solids::solid(QStringLiteral("fozylinder"))
            .sketch(solids::solid(QStringLiteral("fozylinder")).calculator.variants[0]);
    for (int i = 1; i <= 40; ++i)
        document.solution << QStringLiteral("Schritt %1:").arg(i)
                          << QStringLiteral("V%1 = π · r² · h = %1,5 cm³").arg(i) << QString();
    const QString file = writeFile(dir_.filePath("lang.pdf"), worked::pdf(document, false));
    QVERIFY(!file.isEmpty());
    const int pages = info(file, "Pages").toInt();
    QVERIFY2(pages >= 3, qPrintable(info(file, "Pages")));
    QStringList all;
    for (int p = 1; p <= pages; ++p)
        all += pageText(file, p);
    for (const QString& line : filled(document.solution))
        QCOMPARE(all.count(line), 1);
    // A caption and its formula stay together.
    for (int p = 1; p <= pages; ++p) {
        const QStringList text = filled(pageText(file, p));
        QVERIFY2(!text.last().startsWith("Schritt"), qPrintable(text.last()));
    }
}

void TestPrint::unwritablePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ordner fehlt") << dir_.filePath("fehlt/Zylinder.pdf") << "gibt es nicht";
    QTest::newRow("ein Ordner") << dir_.path() << "ist ein Ordner";
    QTest::newRow("kein Dateisystem zum Schreiben") << "/proc/solvanto-Zylinder.pdf"
                                                    << "kann nicht angelegt werden";
    QTest::newRow("schreibgeschützt")
        << dir_.filePath("nur lesen/Zylinder.pdf") << "kann nicht angelegt werden";
}

// Nothing written, and a German message that names the file and what to do.
void TestPrint::unwritablePath()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    const QString folder = dir_.filePath("nur lesen");
    if (path.startsWith(folder)) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (::geteuid() == 0)
            QSKIP("the superuser may write into any folder");
    }
    const worked::Document document =
        computed(QStringLiteral("fozylinder"), {}, {"1", "2"})->document();
    const QString failure = worked::writePdf(path, document, false);
    QVERIFY2(failure.contains(message), qPrintable(failure));
    QVERIFY(failure.contains("„" + QDir::toNativeSeparators(path) + "“"));
    QVERIFY(!QFileInfo(path).isFile());
}

// "Als PDF speichern…" suggests the solid's name; ".pdf" is added where the
// user leaves it out.
void TestPrint::saveDialog()
{
    computed(QStringLiteral("fozylinder"), {}, {"2,5", "4"});
    QString suggested;
    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(dir_.filePath("Hausaufgabe"), &suggested)});
    QCOMPARE(suggested, "Zylinder.pdf");
    const QString file = dir_.filePath("Hausaufgabe.pdf");
    QVERIFY(QFileInfo(file).isFile());
    QCOMPARE(info(file, "Title"), "Rechenweg Zylinder");
    QCOMPARE(info(file, "Pages"), "1");

    rechenweg()->findChild<QCheckBox*>(QStringLiteral("chkarbeitsblatt"))->setChecked(true);
    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(dir_.filePath("Blatt.pdf"))});
    QCOMPARE(info(dir_.filePath("Blatt.pdf"), "Pages"), "2");
}

// An existing file stays as it is when the user says no to the dialog's
// question; yes replaces it.
void TestPrint::replacesOnlyAfterTheDialogsQuestion()
{
    computed(QStringLiteral("fozylinder"), {}, {"2,5", "4"});
    const QString file = writeFile(dir_.filePath("da.pdf"), "alt");
    QVERIFY(!file.isEmpty());
    QString question;
    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(file), answer(QMessageBox::No, &question),
                 [](QWidget* modal) { // back in the dialog: cancelled
                     auto* dialog = qobject_cast<QFileDialog*>(modal);
                     if (dialog)
                         dialog->reject();
                     return dialog != nullptr;
                 }});
    QVERIFY(question.contains("da.pdf"));
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), "alt");
    kept.close();

    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(file), answer(QMessageBox::Yes, &question)});
    QCOMPARE(info(file, "Title"), "Rechenweg Zylinder");
}

// A file that cannot be written: the message, and the program goes on.
void TestPrint::saveErrorInAMessage()
{
    computed(QStringLiteral("fozylinder"), {}, {"2,5", "4"});
    const QString path = QStringLiteral("/proc/solvanto-Zylinder.pdf");
    QString message;
    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(path), answer(QMessageBox::Ok, &message)});
    QVERIFY2(message.contains("„" + path + "“ kann nicht angelegt werden"), qPrintable(message));
    QVERIFY(rechenweg()->isVisible());
    QVERIFY(w::loaded(QStringLiteral("fozylinder")));
    // And saving elsewhere works.
    withDialogs([] { test::click(rechenweg(), QStringLiteral("cmdalspdfspeichern")); },
                {saveAs(dir_.filePath("danach.pdf"))});
    QVERIFY(QFileInfo(dir_.filePath("danach.pdf")).isFile());
}

// Ctrl+P opens the preview of the page, two pages as a worksheet.
void TestPrint::printPreview()
{
    auto* window = computed(QStringLiteral("fozylinder"), {}, {"2,5", "4"});
    for (const bool sheet : {false, true}) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window)); // where Ctrl+P applies
        window->findChild<QCheckBox*>(QStringLiteral("chkarbeitsblatt"))->setChecked(sheet);
        int pages = 0;
        withDialogs([&] { QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier); },
                    {[&](QWidget* modal) {
                        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
                        if (!preview)
                            return false;
                        // Drawn now, as the preview draws itself when shown.
                        auto* shown = preview->findChild<QPrintPreviewWidget*>();
                        shown->updatePreview();
                        pages = shown->pageCount();
                        preview->reject();
                        return true;
                    }});
        QCOMPARE(pages, sheet ? 2 : 1);
    }
}

// With no calculator open there is nothing to print.
void TestPrint::nothingToPrint()
{
    w::show(QString::fromUtf8(names::kWorkedSolution));
    QCOMPARE(rechenweg()->solutionText(), "Kein Rechner geöffnet.");
    for (const char* button : {"cmddrucken", "cmdalspdfspeichern"})
        QVERIFY(!rechenweg()->findChild<QPushButton*>(button)->isEnabled());
}

// The Umkehraufgabe's worksheet for a cylinder from V and O: the task without a
// word of its two solutions, both worked out from page 2 on, whichever the
// window shows.
void TestPrint::inverseProblemWithTwoSolutions()
{
    w::show(QStringLiteral("foumkehraufgabe"));
    auto* window =
        dynamic_cast<worked::InverseWindow*>(w::loaded(QStringLiteral("foumkehraufgabe")));
    window->chooseBody(QStringLiteral("Zylinder"));
    test::type(window, QStringLiteral("txtV"), QStringLiteral("500"));
    test::type(window, QStringLiteral("txtO"), QStringLiteral("400"));
    test::click(window, QStringLiteral("cmdberechnen"));
    QCOMPARE(window->solutionCount(), 2);
    window->chooseSolution(1);
    const worked::Document document = window->document();
    const QString file = dir_.filePath(QStringLiteral("Umkehraufgabe.pdf"));
    QCOMPARE(worked::writePdf(file, document, true), QString());
    QCOMPARE(info(file, "Title"), QStringLiteral("Umkehraufgabe Zylinder"));
    QCOMPARE(info(file, "Pages"), "3");
    const QStringList task = pageText(file, 1), solution = pageText(file, 2) + pageText(file, 3);
    QVERIFY(hasLine(task, "Gegeben:"));
    QVERIFY(!task.join(u'\n').contains("Lösung"));
    QVERIFY(hasLine(solution, "Lösung 1 von 2:"));
    QVERIFY(hasLine(solution, "Lösung 2 von 2:"));
    // Long lines wrap on the page: read as one running text.
    const QString running = solution.join(u' ');
    for (const QString& line : filled(document.solution))
        QVERIFY2(running.contains(line.simplified()), qPrintable(line));
}

// A silo without a floor on a worksheet, as another program reads it: the
// numbered sketch with its note and the task on the first page, the parts,
// the hidden faces and the totals in the solution.
void TestPrint::siloWorksheet()
{
    const QString name = QString::fromUtf8(names::kComposite);
    w::show(name);
    auto* window = dynamic_cast<worked::CompositeWindow*>(w::loaded(name));
    window->findChild<QComboBox*>(QStringLiteral("Körper Teil 1"))
        ->setCurrentText(QStringLiteral("Zylinder"));
    window->findChild<QCheckBox*>(QStringLiteral("ohne Grundfläche Teil 1"))->setChecked(true);
    test::click(window, QStringLiteral("cmdteilhinzufügen"));
    window->findChild<QComboBox*>(QStringLiteral("Körper Teil 2"))
        ->setCurrentText(QStringLiteral("Kegel"));
    for (const auto& [box, text] : {std::pair{"Radius r Teil 1", "3"},
                                    {"Höhe h Teil 1", "5"},
                                    {"Radius r Teil 2", "3"},
                                    {"Höhe h Teil 2", "4"}})
        test::type(window, QString::fromUtf8(box), QString::fromUtf8(text));
    test::click(window, QStringLiteral("cmdberechnen"));
    const QString file = dir_.filePath(QStringLiteral("Silo.pdf"));
    QCOMPARE(worked::writePdf(file, window->document(), true), QString());
    const QStringList task = pageText(file, 1);
    for (const char* line : {"Gegeben:", "r₁ = 3 cm", "Gesucht:", "1", "2", "ohne Boden"})
        QVERIFY2(hasLine(task, QString::fromUtf8(line)), line);
    QStringList solution;
    for (int page = 2; page <= info(file, "Pages").toInt(); ++page)
        solution += pageText(file, page);
    // 57π and 45π, the floor not counted.
    const QString point = QLocale().decimalPoint();
    for (const QString& line :
         {QStringLiteral("Teil 1: Zylinder"),
          QStringLiteral("Teil 2: Kegel, aufgesetzt auf Teil 1"),
          QStringLiteral("Verdeckte Flächen"), QStringLiteral("Gesamtkörper"),
          "V = 179" + point + "070781254618 cm³", "O = 141" + point + "371669411541 cm²"})
        QVERIFY2(hasLine(solution, line), qPrintable(line));
}

void TestPrint::headingsByRole_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Gegeben") << 1 << "Gegeben:" << true;
    QTest::newRow("gegeben") << 1 << "a = 2 cm" << false;
    QTest::newRow("Gesucht") << 1 << "Gesucht:" << true;
    QTest::newRow("Teil") << 2 << "Teil 1: Würfel" << true;
    QTest::newRow("Teil aufgesetzt") << 2 << "Teil 2: Kegel, aufgesetzt auf Teil 1" << true;
    QTest::newRow("Überschrift") << 2 << "Volumen V1:" << true;
    QTest::newRow("Schritt mit Doppelpunkt") << 2 << "Aus Teil 1:" << false;
    QTest::newRow("Formel") << 2 << "V1 = a³" << false;
}

// What is bold comes from the working's roles, not from how a line reads: a
// step that ends in a colon stays plain, a part's heading with a colon inside
// is bold. The task page holds Gegeben and Gesucht and nothing of the parts.
void TestPrint::headingsByRole()
{
    QFETCH(int, page);
    QFETCH(QString, line);
    QFETCH(bool, bold);
    using model::Line;
    model::Working working;
    working.title = QStringLiteral("Würfel mit Kegel");
    working.given.push_back({"a", "2", "cm", 2, {}});
    working.sought << QStringLiteral("V");
    const model::Section cube{"Teil 1: Würfel",
                              {{{Line::Heading, "Volumen V1:"}, {Line::Formula, "V1 = a³"}}}};
    const model::Section cone{"Teil 2: Kegel, aufgesetzt auf Teil 1",
                              {{{Line::From, "Aus Teil 1:"}, {Line::Result, "r = 1 cm"}}}};
    working.solutions.push_back({{cube, cone}});
    const QString file = dir_.filePath(QStringLiteral("Teile.pdf"));
    QCOMPARE(worked::writePdf(file, worked::document(working, {}, {}), true), QString());
    QCOMPARE(info(file, "Pages"), "2");
    const QHash<QString, bool> lines = boldLines(file, page);
    QVERIFY2(lines.contains(line), qPrintable(QStringList(lines.keys()).join(u'\n')));
    QCOMPARE(lines.value(line), bold);
    QVERIFY(!boldLines(file, 1).contains(QStringLiteral("Teil 1: Würfel")));
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
