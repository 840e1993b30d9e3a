// The start-up baseline: a bare Qt program whose window shows one photo, read
// the plain way at its first paint and drawn smoothly scaled where the program
// draws it. It prints the same FIRSTPAINT line as the program's benchmark build
// after its first frame, then quits.
//   startup-baseline <window width> <window height> <x> <y> <w> <h> <photo.jpg>

#include "Report.h"

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QMetaObject>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class Picture : public QWidget {
public:
    Picture(const QString& path, const QRect& drawn)
        : m_path(path)
        , m_drawn(drawn)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QImageReader reader(m_path);
        const QImage photo = reader.read();
        if (photo.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(m_path));
            QCoreApplication::exit(3);
            return;
        }
        p.drawImage(QRectF(m_drawn), photo);
        if (!m_reported) {
            m_reported = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    KaminorBench::printFirstPaint(KaminorBench::monotonicNs(), size(), m_drawn, m_path);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
    }

private:
    QString m_path;
    QRect m_drawn;
    bool m_reported = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s <window width> <window height> <x> <y> <w> <h> <photo.jpg>\n", argv[0]);
        return 2;
    }
    const int n[6] = {std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                      std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
    Picture window(QString::fromLocal8Bit(argv[7]), QRect(n[2], n[3], n[4], n[5]));
    window.resize(n[0], n[1]);
    window.show();
    return app.exec();
}
