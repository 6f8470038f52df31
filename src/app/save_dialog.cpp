#include "app/save_dialog.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace vantorix::app {

namespace {

const QString kFolderKey = QStringLiteral("saveFolder");

// The window's settings, in one place whatever the program calls itself.
QSettings windowSettings()
{
    return QSettings(QStringLiteral("Vantorix"), QStringLiteral("vantorix"));
}

void reportWriteError(QWidget &window, const QString &title, const QString &path,
                      const QString &error)
{
    auto *box =
        new QMessageBox(QMessageBox::Warning, title,
                        QCoreApplication::translate("window", "Cannot write the file %1\n%2")
                            .arg(QDir::toNativeSeparators(path), error),
                        QMessageBox::Ok, &window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

void askWhereToSave(QWidget &window, const SaveQuestion &question, SaveAction save)
{
    // A remembered folder that has gone since (a removed stick, a temporary
    // folder) gives way to the documents folder.
    QString folder = windowSettings().value(kFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto *dialog = new QFileDialog(&window, question.title, folder);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(question.filters);
    dialog->setDefaultSuffix(question.suffix);
    dialog->selectFile(question.name + u'-' + QDate::currentDate().toString(Qt::ISODate) + u'.' +
                       question.suffix);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, &window,
        [&window, dialog, title = question.title, save = std::move(save)](const QString &path) {
            const Result<> saved = save(path, dialog->selectedNameFilter());
            // Only a folder that took the file is worth coming back to.
            if (saved)
                windowSettings().setValue(kFolderKey, QFileInfo(path).absolutePath());
            else
                reportWriteError(window, title, path, saved.error());
        });
    dialog->open();
}

} // namespace vantorix::app
