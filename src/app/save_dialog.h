#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vantorix::app {

struct SaveQuestion
{
    QString title;       // of the dialog and of the error box
    QStringList filters; // file types, the first one chosen at first
    QString suffix;      // added to a name typed without one
    QString name;        // proposed with the date and suffix: 长尾词-2026-12-07.txt
};

// Writes the chosen file.
using SaveAction = std::function<Result<>(const QString &path, const QString &filter)>;

// Asks where to save without a loop of its own: the dialog is window-modal and
// `save` runs once a file was chosen, with the file type chosen. It opens in
// the folder last saved to (at first the user's documents folder). A failure is
// shown in a warning box that names the file; the window goes on meanwhile.
void askWhereToSave(QWidget &window, const SaveQuestion &question, SaveAction save);

} // namespace vantorix::app
