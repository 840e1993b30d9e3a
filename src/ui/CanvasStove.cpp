#include "ui/CanvasStove.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Kaminor {

namespace {
// The placeholders' text is 36 pixels high on a backdrop of the canvas's design
// width; a backdrop drawn at a higher resolution gets a proportionally larger font.
constexpr int DesignCanvasWidth = 362;
constexpr int PlaceholderFontSize = 36;
} // namespace

QImage CreatePict(const QImage& backdrop, const QString& text)
{
    const int W = backdrop.width();
    const int H = backdrop.height();
    QImage pict(std::max(W, 1), std::max(H, 1), QImage::Format_ARGB32_Premultiplied);
    pict.fill(Qt::transparent);
    if (W <= 0 || H <= 0)
        return pict;

    QPainter p(&pict);
    p.drawImage(0, 0, backdrop);

    QFont font = QApplication::font();
    const int pixelSize = std::max(1, static_cast<int>(std::lround(PlaceholderFontSize * double(W) / DesignCanvasWidth)));
    font.setPixelSize(std::max(pixelSize, PlaceholderFontSize));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    p.setRenderHint(QPainter::TextAntialiasing);

    const QStringList lines = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  .split(QRegularExpression(QStringLiteral("[\r\n]")));
    const int n = static_cast<int>(lines.size());
    const QFontMetricsF fm(font);
    int maxW = 0;
    for (const QString& line : lines)
        maxW = std::max(maxW, static_cast<int>(std::lround(fm.horizontalAdvance(line))));
    const int x = (W - maxW) / 2;
    const int lineH = static_cast<int>(std::lround(
        fm.boundingRect(QRectF(0, 0, 10.0 * W, 1e6), Qt::AlignLeft | Qt::AlignTop, lines.value(0)).height()));
    const int y = static_cast<int>((H - n * lineH) / 2.0 + 0.7 * lineH);
    for (int i = 0; i < n; ++i)
        p.drawText(QPointF(x, y + i * lineH), lines.at(i));
    return pict;
}

int decodeReduction(QSize picture, QSize drawn)
{
    int reduction = 1;
    while (reduction < 8 && picture.width() / (2 * reduction) >= std::max(drawn.width(), 1)
           && picture.height() / (2 * reduction) >= std::max(drawn.height(), 1))
        reduction *= 2;
    return reduction;
}

QRect stoveDrawRect(QSize picture, QSize canvas)
{
    if (picture.width() <= 0 || picture.height() <= 0 || canvas.isEmpty())
        return QRect();
    const double s = std::min(double(canvas.width()) / picture.width(), double(canvas.height()) / picture.height());
    const int dw = static_cast<int>(std::lround(s * picture.width()));
    const int dh = static_cast<int>(std::lround(s * picture.height()));
    return QRect((canvas.width() - dw) / 2, (canvas.height() - dh) / 2, dw, dh);
}

CanvasStove::CanvasStove(QWidget* parent)
    : QWidget(parent)
{
}

void CanvasStove::setPlaceholders(const QImage& picNoStove, const QImage& picNoVisual)
{
    m_picNoStove = picNoStove;
    m_picNoVisual = picNoVisual;
}

void CanvasStove::setSources(std::function<bool()> initProg, std::function<QString()> reference)
{
    m_initProg = std::move(initProg);
    m_reference = std::move(reference);
}

void CanvasStove::paintEvent(QPaintEvent*)
{
    m_lastShown = Shown::Nothing;
    m_lastRect = QRect();
    if (!m_initProg || !m_initProg())
        return;

    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal dpr = devicePixelRatioF();
    const QString ref = m_reference ? m_reference() : QString();

    if (ref == RefusedReference) {
        m_lastShown = Shown::NoStove;
    } else {
        m_lastShown = Shown::NoVisual;
        // The reference names a file of the photo folder, never a path.
        const bool plainName = !ref.isEmpty() && !ref.contains(QLatin1Char('/')) && !ref.contains(QLatin1Char('\\'))
                               && ref != QLatin1String("..");
        const QString path = QDir(m_folder).filePath(ref + QLatin1String(".jpg"));
        if (plainName && QFileInfo(path).isFile()) {
            // Read anew and decoded at every paint; nothing of it is kept.
            QImageReader reader(path);
            const QSize full = reader.size();
            const QRect r = stoveDrawRect(full, size());
            if (r.isValid()) {
                // Decoded in full, or at a half, a quarter or an eighth when that
                // is still no smaller than the drawn size in device pixels, and
                // the painter scales the rest of the way. Measured at this
                // window's sizes (the photo drawn at 50 to 93 %): a decode at any
                // other scale costs two to four times a full decode, and a smooth scale of the
                // decoded photo before drawing costs about as much as the decode.
                // A reduced decode is asked for on a photo cut to a multiple of
                // the reduction (less than one drawn pixel), so that the decoder's
                // output is used as it comes, without a scaling pass of its own.
                const QSize pixels = (QSizeF(r.size()) * dpr).toSize();
                if (const int k = decodeReduction(full, pixels); k > 1) {
                    reader.setClipRect(QRect(0, 0, full.width() / k * k, full.height() / k * k));
                    reader.setScaledSize(QSize(full.width() / k, full.height() / k));
                }
                const QImage photo = reader.read();
                if (!photo.isNull()) {
                    p.drawImage(QRectF(r), photo);
                    m_lastShown = Shown::Photo;
                    m_lastRect = r;
                    return;
                }
            }
        }
    }

    const QImage& pict = m_lastShown == Shown::NoStove ? m_picNoStove : m_picNoVisual;
    const QRect r = stoveDrawRect(pict.size(), size());
    if (r.isValid()) {
        p.drawImage(QRectF(r), pict);
        m_lastRect = r;
    }
}

} // namespace Kaminor
