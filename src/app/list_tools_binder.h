#pragma once

#include <QObject>
#include <QStringList>

namespace vantorix::config {
struct Settings;
}

namespace vantorix::app {

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

    void filterByText(const char *buttonName, const char *argumentBox, TextTest keep);
    void keepLongerThan();
    void removeDuplicates();
    void shuffle();
    void exportList();

    MainWindow &m_window;
};

} // namespace vantorix::app
