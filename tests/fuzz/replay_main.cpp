// The normal build's stand-in for libFuzzer: feeds every file of the folders
// (or the files) named on the command line to the target once, so the inputs
// the fuzzer once crashed on stay fixed. A folder that is not there holds none.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    LLVMFuzzerTestOneInput(nullptr, 0);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QStringList names{path};
        if (QFileInfo(path).isDir()) {
            names.clear();
            QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext())
                names.append(files.next());
        }
        for (const QString &name : names) {
            QFile file(name);
            if (!file.exists())
                continue;
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
                return 1;
            }
            const QByteArray input = file.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(name));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                                   size_t(input.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return 0;
}
