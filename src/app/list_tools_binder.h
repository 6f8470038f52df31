#pragma once

#include <QObject>
#include <QStringList>

class QLineEdit;
class QPushButton;

namespace vantorix::config {
struct Settings;
}

namespace vantorix::app {

struct Controls;
class MainWindow;

// The list tools: the two text filters, the length filter, duplicate removal,
// shuffle, export and clear. Every tool that rewrites the list uses
// paste-back and keeps its button disabled while it works.
class ListToolsBinder : public QObject
{
    Q_OBJECT
public:
    ListToolsBinder(MainWindow &window, const config::Settings &settings);

private:
    using TextTest = QStringList (*)(const QStringList &, const QString &);

    void filterByText(QPushButton *button, const QLineEdit *argumentBox, TextTest keep);
    void keepLongerThan();
    void removeDuplicates();
    void shuffle();
    void exportList();

    MainWindow &m_window;
    const Controls &m_controls;
};

} // namespace vantorix::app
