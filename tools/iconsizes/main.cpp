// Makes the desktop icons from the application's 128-pixel picture:
//   kaminor_iconsizes <IconApp_128.png> <hicolor folder> <name> <size>...
// writes <hicolor folder>/<size>x<size>/apps/<name>.png for every size.
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <source.png> <hicolor folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    const QDir root(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);

    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(root.filePath(folder)));
            return 1;
        }
        // Square and centred, whatever the source's proportions.
        const QImage scaled = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        const int top = (size - scaled.height()) / 2;
        const int left = (size - scaled.width()) / 2;
        for (int y = 0; y < scaled.height(); ++y) {
            for (int x = 0; x < scaled.width(); ++x)
                icon.setPixel(left + x, top + y, scaled.pixel(x, y));
        }
        const QString path = root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!icon.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
