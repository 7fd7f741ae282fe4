// Runs saved fuzz inputs through the same checks without libFuzzer, so that every compiler's build and the
// sanitizer build keep the crashes found so far fixed.
//
//   fuzz_replay read|write FILE_OR_FOLDER...

#include "FuzzChecks.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

int replay(const QString& path, void (*check)(const uint8_t*, size_t))
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    check(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::strcmp(argv[1], "read") != 0 && std::strcmp(argv[1], "write") != 0)) {
        std::fprintf(stderr, "usage: fuzz_replay read|write FILE_OR_FOLDER...\n");
        return 2;
    }
    tolvik::fuzz::initialise();
    const auto check = std::strcmp(argv[1], "read") == 0 ? &tolvik::fuzz::checkRead : &tolvik::fuzz::checkWrite;
    int failures = 0;
    int count = 0;
    for (int i = 2; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            failures += replay(path, check);
            ++count;
            continue;
        }
        QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            failures += replay(files.next(), check);
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return failures == 0 && count > 0 ? 0 : 1;
}
