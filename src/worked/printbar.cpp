#include "printbar.h"

#include "runtime/events.h"
#include "runtime/look.h"
#include "runtime/messages.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace worked {

namespace {

// The folder of the last file saved, for as long as the program runs.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString startFolder()
{
    if (!lastFolder().isEmpty() && QDir(lastFolder()).exists())
        return lastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void rememberFolder(const QString& file)
{
    lastFolder() = QFileInfo(file).absolutePath();
}

PrintBar::PrintBar(QWidget* window, Source source)
    : QWidget(window)
    , source_(std::move(source))
    , print_(new QPushButton(QStringLiteral("Drucken…"), this))
    , save_(new QPushButton(QStringLiteral("Als PDF speichern…"), this))
    , worksheet_(new QCheckBox(QStringLiteral("Als Arbeitsblatt"), this))
    , printing_(new QAction(window))
{
    print_->setObjectName(QStringLiteral("cmddrucken"));
    save_->setObjectName(QStringLiteral("cmdalspdfspeichern"));
    worksheet_->setObjectName(QStringLiteral("chkarbeitsblatt"));
    for (QPushButton* b : {print_, save_})
        b->setAutoDefault(true); // answers Enter when it has the focus
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(print_);
    layout->addWidget(save_);
    layout->addWidget(worksheet_);

    rt::onClick(print_, this, &PrintBar::cmddrucken_Click);
    rt::onClick(save_, this, &PrintBar::cmdalspdfspeichern_Click);
    printing_->setShortcut(QKeySequence::Print);
    printing_->setShortcutContext(Qt::WindowShortcut);
    window->addAction(printing_);
    rt::onTriggered(printing_, this, &PrintBar::cmddrucken_Click);
}

void PrintBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        for (QPushButton* b : {print_, save_})
            rt::roomForCaption(b);
    }
    QWidget::changeEvent(event);
}

void PrintBar::setAvailable(bool available)
{
    print_->setEnabled(available);
    save_->setEnabled(available);
    printing_->setEnabled(available);
}

bool PrintBar::worksheet() const
{
    return worksheet_->isChecked();
}

void PrintBar::placeInTabOrder(QWidget* before, QWidget* after)
{
    setTabOrder(before, print_);
    setTabOrder(print_, save_);
    setTabOrder(save_, worksheet_);
    setTabOrder(worksheet_, after);
}

// The preview first; its print button leads on to the print dialog, where the
// user may choose another paper size.
void PrintBar::cmddrucken_Click()
{
    const Document document = source_();
    const bool sheet = worksheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayout());
    printer.setDocName(document.title());
    printer.setCreator(QStringLiteral("Solvanto"));
    // On the heap: the window may close while the preview is open and take it
    // along; then exec() returns as if it had been cancelled.
    QPointer<QPrintPreviewDialog> preview = new QPrintPreviewDialog(&printer, window());
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [&document, sheet](QPrinter* device) {
                         QPainter painter(device);
                         paintDocument(painter, *device, document, sheet);
                     });
    preview->exec();
    delete preview.data();
}

// Nothing is written before the user has chosen a file; the dialog itself asks
// before an existing one is replaced.
void PrintBar::cmdalspdfspeichern_Click()
{
    const Document document = source_();
    const bool sheet = worksheet();
    QPointer<QWidget> owner = window();
    QPointer<QFileDialog> dialog =
        new QFileDialog(owner, QStringLiteral("Als PDF speichern"), startFolder(),
                        QStringLiteral("PDF-Dokumente (*.pdf)"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(document.solid + QStringLiteral(".pdf"));
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog;
    const QString path = chosen ? dialog->selectedFiles().value(0) : QString();
    delete dialog.data();
    if (path.isEmpty())
        return;
    const QString failure = writePdf(path, document, sheet);
    if (failure.isEmpty())
        rememberFolder(path);
    else if (owner)
        rt::msgBox(failure, rt::Critical, {}, owner);
}

} // namespace worked
