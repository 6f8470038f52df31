#include "app/save_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace vantorix::app {

namespace {

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
    auto *dialog =
        new QFileDialog(&window, question.title,
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters(question.filters);
    dialog->setDefaultSuffix(question.suffix);
    dialog->selectFile(question.fileName);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, &window,
        [&window, dialog, title = question.title, save = std::move(save)](const QString &path) {
            const Result<> saved = save(path, dialog->selectedNameFilter());
            if (!saved)
                reportWriteError(window, title, path, saved.error());
        });
    dialog->open();
}

} // namespace vantorix::app
