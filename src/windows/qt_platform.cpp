// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/qt_platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QGridLayout>
#include <QPrintDialog>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>

namespace windows {
namespace {

// Swallows everything a person can do to the program: mouse, keys, wheel, touch, shortcuts,
// context menus and the close box. Paint, timer and window-system events pass untouched.
class UserInputSwallower final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::InputMethod:
            return true;
        case QEvent::Close:
            // Only the person's close (the close box) arrives spontaneously; the program's own closes pass.
            if (event->spontaneous()) {
                event->ignore();
                return true;
            }
            return QObject::eventFilter(watched, event);
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

// The title bar belongs to the window manager, which Qt cannot measure: leave room for the title in bold with
// the window icon and up to four buttons beside it.
int titleBarWidth(const QWidget& box)
{
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                            QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(boxIcon(icon), kApplicationTitle, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    // A Return pressed out of habit must not destroy anything.
    if (icon == MessageIcon::Warning && (buttons & QMessageBox::No))
        box->setDefaultButton(QMessageBox::No);
    // A message box sizes itself to its text and ignores a minimum width; a spacer across its grid does not.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleBarWidth(*box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void QtMessageBoxes::inform(QWidget* parent, const QString& text, MessageIcon icon)
{
    makeMessageBox(parent, text, icon, QMessageBox::Ok)->exec();
}

bool QtMessageBoxes::askYesNo(QWidget* parent, const QString& text, MessageIcon icon)
{
    return makeMessageBox(parent, text, icon, QMessageBox::Yes | QMessageBox::No)->exec() == QMessageBox::Yes;
}

namespace {

std::unique_ptr<QFileDialog> makeSaveDialog(QWidget* parent, const QString& filter, const QString& defaultSuffix)
{
    auto dialog = std::make_unique<QFileDialog>(parent, kApplicationTitle);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(defaultSuffix);
    // Qt's own dialog, because it adds the suffix before asking about overwriting, so the question
    // is about the file that will really be replaced; some native dialogs ask about the typed name.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->selectFile(QString());
    return dialog;
}

QString chosenFile(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

} // namespace

std::unique_ptr<QFileDialog> makeReportSaveDialog(QWidget* parent)
{
    // "doc", not "rtf": a name typed without an extension is saved as .doc.
    return makeSaveDialog(parent, QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("doc"));
}

std::unique_ptr<QFileDialog> makePdfSaveDialog(QWidget* parent)
{
    return makeSaveDialog(parent, QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf"));
}

QString QtFileChooser::chooseSaveFile(QWidget* parent)
{
    return chosenFile(*makeReportSaveDialog(parent));
}

QString QtFileChooser::choosePdfFile(QWidget* parent)
{
    return chosenFile(*makePdfSaveDialog(parent));
}

QString QtFileChooser::chooseJournalExportFile(QWidget* parent, JournalFileFormat format)
{
    const bool csv = format == JournalFileFormat::Csv;
    return chosenFile(*makeSaveDialog(parent,
                                      csv ? QStringLiteral("CSV table (*.csv)") : QStringLiteral("JSON (*.json)"),
                                      csv ? QStringLiteral("csv") : QStringLiteral("json")));
}

QString QtFileChooser::chooseJournalImportFile(QWidget* parent)
{
    QFileDialog dialog(parent, kApplicationTitle);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Journal export (*.json)"), QStringLiteral("All files (*)")});
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    return chosenFile(dialog);
}

bool QtPrintDialog::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(kApplicationTitle);
    return dialog.exec() == QDialog::Accepted;
}

void InputBlockingWait::wait(int milliseconds)
{
    // A plain sleep would freeze painting too, and QEventLoop::ExcludeUserInputEvents only postpones
    // input, replaying stale clicks after the pause. Swallowing input keeps the windows painted while
    // nothing the person does during the pause has any effect, then or later.
    UserInputSwallower swallower;
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return;
    application->installEventFilter(&swallower);
    QEventLoop loop;
    QTimer::singleShot(std::max(milliseconds, 0), &loop, &QEventLoop::quit);
    loop.exec();
    application->removeEventFilter(&swallower);
}

} // namespace windows
