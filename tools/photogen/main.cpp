// Draws one photo per buildable stove into <share>/StovesDoss, and the reduced
// set of the test folder into <share>/StovesDossTest.
//
//   photogen [--threads N] <share folder> [stamp file]
//
// The photos are drawn on N threads, by default one per core.
// The stamp file is written last, only when every photo was written.

#include "StoveArt.h"

#include "core/Rules.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int JpegQuality = 77;

bool writeJpeg(const QImage& image, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

// Removes the photos of a folder that are not in `keep` (left over from older rules).
int removeStale(const QDir& dir, const QSet<QString>& keep)
{
    int removed = 0;
    for (const QString& name : dir.entryList({"*.jpg"}, QDir::Files)) {
        if (!keep.contains(name) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

// The first-run selection with another model: the stoves of the test folder.
bool isTestStove(const Kaminor::Selection& s)
{
    Kaminor::Selection first = Kaminor::firstRunSelection();
    first.body = s.body;
    return s.doorGlass == first.doorGlass && s.color == first.color && s.side == first.side
        && s.plate == first.plate && s.tablet == first.tablet && s.doorLogs == first.doorLogs;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    if (args.size() > 1 && args.at(1) == QLatin1String("--threads")) {
        bool ok = false;
        const int n = args.value(2).toInt(&ok);
        if (!ok || n < 1 || n > 256) {
            std::fprintf(stderr, "photogen: --threads takes a number from 1 to 256\n");
            return 2;
        }
        threads = unsigned(n);
        args.remove(1, 2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: photogen [--threads N] <share folder> [stamp file]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();

    const QDir share(args.at(1));
    const QString fullPath = share.filePath("StovesDoss");
    const QString testPath = share.filePath("StovesDossTest");
    if (!QDir().mkpath(fullPath) || !QDir().mkpath(testPath)) {
        std::fprintf(stderr, "photogen: cannot create the photo folders in %s\n", qPrintable(share.path()));
        return 1;
    }

    const QList<Kaminor::Stove> stoves = Kaminor::buildableStoves();
    if (stoves.isEmpty()) {
        std::fprintf(stderr, "photogen: the rules accept no stove\n");
        return 1;
    }

    // Load the image plugin once before the workers start.
    {
        QBuffer warm;
        warm.open(QIODevice::WriteOnly);
        QImageWriter(&warm, "jpeg").write(QImage(8, 8, QImage::Format_RGB32));
    }

    const Photogen::StoveArt art;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    std::vector<QString> errors(stoves.size());
    auto work = [&] {
        for (int i = next++; i < stoves.size(); i = next++) {
            const Kaminor::Stove& stove = stoves.at(i);
            const QString path = QDir(fullPath).filePath(stove.reference + ".jpg");
            if (!writeJpeg(art.render(stove.selection), path, &errors[i]))
                failed = true;
        }
    };
    std::vector<std::thread> workers;
    for (unsigned k = 0; k < threads; ++k)
        workers.emplace_back(work);
    for (std::thread& t : workers)
        t.join();
    if (failed) {
        for (int i = 0; i < stoves.size(); ++i)
            if (!errors[i].isEmpty())
                std::fprintf(stderr, "photogen: %s.jpg: %s\n", qPrintable(stoves.at(i).reference), qPrintable(errors[i]));
        return 1;
    }

    QSet<QString> fullNames, testNames;
    qint64 totalBytes = 0;
    for (const Kaminor::Stove& stove : stoves) {
        const QString name = stove.reference + ".jpg";
        fullNames.insert(name);
        totalBytes += QFileInfo(QDir(fullPath).filePath(name)).size();
        if (!isTestStove(stove.selection))
            continue;
        testNames.insert(name);
        const QString target = QDir(testPath).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(QDir(fullPath).filePath(name), target)) {
            std::fprintf(stderr, "photogen: cannot copy %s into %s\n", qPrintable(name), qPrintable(testPath));
            return 1;
        }
    }
    if (testNames.size() != Kaminor::groupSize(Kaminor::Group::Body)) {
        std::fprintf(stderr, "photogen: the first-run selection is buildable under %d models only\n",
                     int(testNames.size()));
        return 1;
    }
    const int stale = removeStale(QDir(fullPath), fullNames) + removeStale(QDir(testPath), testNames);

    const double seconds = clock.elapsed() / 1000.0;
    std::printf("photogen: %d photos, %.1f MB (%.1f KB each), %.1f s on %u threads (%.0f ms per photo)%s\n",
                int(stoves.size()), totalBytes / 1048576.0, totalBytes / 1024.0 / stoves.size(), seconds, threads,
                seconds * 1000.0 * threads / stoves.size(),
                stale ? qPrintable(QStringLiteral(", %1 stale removed").arg(stale)) : "");

    if (args.size() > 2) {
        QSaveFile stamp(args.at(2));
        if (!stamp.open(QIODevice::WriteOnly)
            || stamp.write(QStringLiteral("%1 photos\n").arg(stoves.size()).toUtf8()) < 0 || !stamp.commit()) {
            std::fprintf(stderr, "photogen: cannot write %s\n", qPrintable(args.at(2)));
            return 1;
        }
    }
    return 0;
}
