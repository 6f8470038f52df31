#include "app/export_file.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

// "导出txt": the export text goes through a save dialog into a file.
class ExportTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir dir;

    template <typename T> static T *topLevel()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<T *>(widget); found && found->isVisible())
                return found;
        }
        return nullptr;
    }

    // Clicks the export button and answers its dialog with `path`.
    bool exportTo(const QString &path, int fileType)
    {
        QTest::mouseClick(f.button("Command3"), Qt::LeftButton);
        QFileDialog *dialog = nullptr;
        if (!QTest::qWaitFor([&] { return (dialog = topLevel<QFileDialog>()) != nullptr; }))
            return false;
        // Opened window-modal, not run in a loop of its own.
        if (dialog->windowModality() != Qt::WindowModal)
            return false;
        dialog->selectNameFilter(dialog->nameFilters().value(fileType));
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override
        return true;
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private Q_SLOTS:
    void init() { QVERIFY(f.open()); }
    void cleanup() { f.window.reset(); }

    void writesTheChosenSeparatorAndEncoding_data()
    {
        QTest::addColumn<QByteArray>("option");
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("line break, UTF-8") << QByteArray("Option7") << 0 << "减肥\r\nseo\r\n"
                                           << QByteArray("\xe5\x87\x8f\xe8\x82\xa5\r\nseo\r\n");
        QTest::newRow("comma, UTF-8")
            << QByteArray("Option8") << 0 << "a\r\n\r\nb" << QByteArray("a,,b");
        QTest::newRow("bar keeps lone LF") << QByteArray("Option9") << 0 << "a\nb\r\nc\r\n"
                                           << QByteArray("a\nb|c|");
        QTest::newRow("comma, GBK") << QByteArray("Option8") << 1 << "减肥\r\nseo\r\n"
                                    << QByteArray("\xbc\xf5\xb7\xca,seo,");
        QTest::newRow("empty list") << QByteArray("Option9") << 1 << "" << QByteArray();
    }
    void writesTheChosenSeparatorAndEncoding()
    {
        QFETCH(QByteArray, option);
        QFETCH(int, fileType);
        QFETCH(QString, list);
        QFETCH(QByteArray, bytes);
        f.list()->pasteBack(list);
        WindowFixture::setClipboardText(QStringLiteral("elsewhere"));
        QTest::mouseClick(f.button(option.constData()), Qt::LeftButton);

        const QString path =
            dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".txt"));
        QVERIFY(exportTo(path, fileType));
        QCOMPARE(read(path), bytes);
        QCOMPARE(f.list()->text(), list);
        QCOMPARE(WindowFixture::clipboardText(), QStringLiteral("elsewhere"));
    }

    void writeErrorIsReported()
    {
        f.list()->pasteBack(QStringLiteral("a\r\n"));
        const QString path = dir.filePath(QStringLiteral("missing/folder/list.txt"));
        QVERIFY(exportTo(path, 0));
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = topLevel<QMessageBox>()) != nullptr);
        QVERIFY(box->text().contains(QStringLiteral("list.txt")));
        box->close();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(f.list()->text(), QStringLiteral("a\r\n"));
    }

    void gbkFileWritesCharactersOutsideGbk()
    {
        // GB18030 spells out characters GBK lacks instead of dropping them.
        const QString path = dir.filePath(QStringLiteral("emoji.txt"));
        const QString text = QStringLiteral("词😀");
        QCOMPARE(vantorix::app::writeExportFile(path, text, vantorix::app::ExportEncoding::Gbk),
                 QString());
        QCOMPARE(read(path), QByteArray("\xb4\xca\x94\x39\xfc\x36"));
    }
};

QTEST_MAIN(ExportTest)
#include "tst_export.moc"
