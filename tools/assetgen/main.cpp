// Makes the application's sounds and pictures into the folder given as argument:
// Bop.wav, Zoum.wav, Bip.wav (16-bit PCM, mono, 44.1 kHz), IconApp_128.png,
// NoStove.png, CreditsLogo.png and CreditsLogoMask.png. Everything is drawn or
// synthesised here; the output is the same at every run.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// --- sounds ----------------------------------------------------------------------

bool writeWav(const QString& path, const std::vector<double>& samples)
{
    QByteArray data;
    data.reserve(qsizetype(samples.size() * 2));
    for (double s : samples) {
        const double clamped = std::max(-1.0, std::min(1.0, s));
        const qint16 v = qint16(std::lround(clamped * 32767.0));
        char bytes[2];
        qToLittleEndian(v, bytes);
        data.append(bytes, 2);
    }
    QByteArray header;
    auto u32 = [&header](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        header.append(b, 4);
    };
    auto u16 = [&header](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        header.append(b, 2);
    };
    header.append("RIFF", 4);
    u32(quint32(36 + data.size()));
    header.append("WAVEfmt ", 8);
    u32(16);        // size of the format chunk
    u16(1);         // PCM
    u16(1);         // mono
    u32(kRate);     // sample rate
    u32(kRate * 2); // bytes per second
    u16(2);         // bytes per frame
    u16(16);        // bits per sample
    header.append("data", 4);
    u32(quint32(data.size()));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(header) == header.size() && file.write(data) == data.size();
}

// Fades the first and last milliseconds so that no sound starts or ends with a click.
void softEdges(std::vector<double>& s, double ms)
{
    const size_t n = std::min(s.size() / 2, size_t(ms * kRate / 1000.0));
    for (size_t i = 0; i < n; ++i) {
        const double g = double(i) / double(n);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

// A short, soft, wooden click: a falling tone that dies away in a few milliseconds.
std::vector<double> bop()
{
    const size_t n = size_t(0.045 * kRate);
    std::vector<double> s(n);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double freq = 520.0 + 380.0 * std::exp(-t / 0.006);
        phase += kTwoPi * freq / kRate;
        const double env = std::exp(-t / 0.010);
        s[i] = 0.45 * env * (std::sin(phase) + 0.25 * std::sin(2.0 * phase));
    }
    softEdges(s, 1.0);
    return s;
}

// A quick swoosh: noise through a resonant band-pass whose centre sweeps up and
// back down, swelling and fading.
std::vector<double> zoum()
{
    const double length = 0.38;
    const size_t n = size_t(length * kRate);
    std::vector<double> s(n);
    quint32 seed = 0x2545F491u;
    auto noise = [&seed]() {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return double(seed) / 2147483648.0 - 1.0;
    };
    double y1 = 0, y2 = 0, x1 = 0, x2 = 0;
    for (size_t i = 0; i < n; ++i) {
        const double p = double(i) / double(n);
        const double centre = 350.0 + 2600.0 * std::sin(std::numbers::pi * std::pow(p, 0.8));
        const double q = 2.2;
        const double w0 = kTwoPi * centre / kRate;
        const double alpha = std::sin(w0) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double b0 = alpha / a0, b2 = -alpha / a0;
        const double a1 = -2.0 * std::cos(w0) / a0, a2 = (1.0 - alpha) / a0;
        const double x = noise();
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        const double env = std::pow(std::sin(std::numbers::pi * p), 1.6);
        s[i] = 0.9 * env * y;
    }
    softEdges(s, 4.0);
    return s;
}

// A short confirmation beep: two bright tones, the second a fifth higher.
std::vector<double> bip()
{
    struct Tone {
        double freq, start, length;
    };
    const Tone tones[] = {{1046.5, 0.0, 0.075}, {1568.0, 0.085, 0.11}};
    const size_t n = size_t(0.2 * kRate);
    std::vector<double> s(n, 0.0);
    for (const Tone& tone : tones) {
        const size_t first = size_t(tone.start * kRate);
        const size_t count = size_t(tone.length * kRate);
        for (size_t i = 0; i < count && first + i < n; ++i) {
            const double t = double(i) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (tone.length - t) / 0.02);
            const double env = attack * std::max(0.0, release);
            s[first + i] += 0.28 * env * std::sin(kTwoPi * tone.freq * t);
        }
    }
    return s;
}

// --- pictures --------------------------------------------------------------------

QImage newPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath flame(double cx, double base, double width, double height)
{
    QPainterPath p;
    p.moveTo(cx - width / 2, base);
    p.cubicTo(cx - width / 2, base - height * 0.45, cx - width * 0.1, base - height * 0.55, cx, base - height);
    p.cubicTo(cx + width * 0.15, base - height * 0.6, cx + width / 2, base - height * 0.45, cx + width / 2, base);
    p.closeSubpath();
    return p;
}

// A cast-iron stove with a fire behind its glass, on a warm rounded tile.
QImage iconApp()
{
    QImage image = newPicture(128, 128);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QLinearGradient tile(0, 6, 0, 122);
    tile.setColorAt(0, QColor(0xf6, 0xec, 0xdf));
    tile.setColorAt(1, QColor(0xe0, 0xc9, 0xae));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 24, 24);

    // floor shadow
    QRadialGradient shadow(64, 113, 44);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(QRectF(20, 106, 88, 14));

    const QColor ironLight(0x4a, 0x4f, 0x56), ironDark(0x1b, 0x1d, 0x21);
    auto iron = [&](double x0, double x1) {
        QLinearGradient g(x0, 0, x1, 0);
        g.setColorAt(0, ironLight);
        g.setColorAt(0.45, QColor(0x33, 0x37, 0x3d));
        g.setColorAt(1, ironDark);
        return g;
    };

    // flue pipe and its collar
    p.setBrush(iron(56, 72));
    p.drawRect(QRectF(56, 10, 16, 22));
    p.drawRoundedRect(QRectF(53, 26, 22, 6), 2, 2);

    // legs
    p.setBrush(ironDark);
    p.drawRoundedRect(QRectF(37, 98, 9, 13), 2, 2);
    p.drawRoundedRect(QRectF(82, 98, 9, 13), 2, 2);

    // body and top plate
    p.setBrush(iron(32, 96));
    p.drawRoundedRect(QRectF(32, 36, 64, 64), 6, 6);
    p.setBrush(iron(26, 102));
    p.drawRoundedRect(QRectF(26, 30, 76, 9), 3, 3);

    // door frame
    p.setBrush(QColor(0x2a, 0x2d, 0x32));
    p.setPen(QPen(QColor(0x6a, 0x6f, 0x76), 1.5));
    p.drawRoundedRect(QRectF(39.5, 45.5, 49, 41), 4, 4);
    p.setPen(Qt::NoPen);

    // glass with the glow of the fire
    const QRectF glass(44, 50, 40, 32);
    QRadialGradient glow(64, 80, 36);
    glow.setColorAt(0, QColor(0xff, 0x9a, 0x2e));
    glow.setColorAt(0.5, QColor(0xb8, 0x3a, 0x12));
    glow.setColorAt(1, QColor(0x3a, 0x10, 0x08));
    p.setBrush(glow);
    p.drawRoundedRect(glass, 3, 3);

    p.save();
    QPainterPath clip;
    clip.addRoundedRect(glass, 3, 3);
    p.setClipPath(clip);
    QLinearGradient fire(0, 82, 0, 54);
    fire.setColorAt(0, QColor(0xff, 0xf1, 0x9c));
    fire.setColorAt(0.4, QColor(0xff, 0xb0, 0x30));
    fire.setColorAt(1, QColor(0xe0, 0x40, 0x10, 40));
    p.setBrush(fire);
    p.drawPath(flame(55, 78, 14, 22));
    p.drawPath(flame(66, 78, 18, 28));
    p.drawPath(flame(76, 78, 12, 18));
    // logs
    p.setBrush(QColor(0x5a, 0x33, 0x1c));
    p.drawRoundedRect(QRectF(46, 76, 36, 5), 2.5, 2.5);
    p.setBrush(QColor(0x70, 0x42, 0x24));
    p.drawRoundedRect(QRectF(50, 73, 26, 4), 2, 2);
    // reflection on the glass
    p.setBrush(QColor(255, 255, 255, 38));
    QPainterPath shine;
    shine.moveTo(46, 52);
    shine.lineTo(58, 52);
    shine.lineTo(48, 72);
    shine.lineTo(46, 72);
    shine.closeSubpath();
    p.drawPath(shine);
    p.restore();

    // handle and ash drawer
    p.setBrush(QColor(0x9a, 0x9e, 0xa4));
    p.drawRoundedRect(QRectF(84, 60, 3, 12), 1.5, 1.5);
    p.setBrush(QColor(0x26, 0x29, 0x2e));
    p.drawRoundedRect(QRectF(40, 90, 48, 5), 2, 2);
    p.setBrush(QColor(0x8a, 0x8e, 0x94));
    p.drawRoundedRect(QRectF(60, 91.5, 8, 2), 1, 1);

    // a highlight along the top plate
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawRoundedRect(QRectF(28, 31, 72, 2), 1, 1);
    p.end();
    return image;
}

// The backdrop of the placeholders: a dark, neutral, softly lit grey.
QImage noStove()
{
    const int w = 362, h = 616;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, QColor(0x4a, 0x4d, 0x52));
    base.setColorAt(0.55, QColor(0x36, 0x38, 0x3c));
    base.setColorAt(1, QColor(0x22, 0x23, 0x26));
    p.fillRect(image.rect(), base);
    QRadialGradient vignette(w / 2.0, h * 0.45, h * 0.62);
    vignette.setColorAt(0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 30));
    vignette.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(image.rect(), vignette);
    p.end();
    return image;
}

// The credits logo (a flame on a dark pill and a word) and its mask: black
// where the logo shows, white where the background shows through.
void creditsLogo(QImage& logo, QImage& mask)
{
    const QRectF pill(0.5, 0.5, 145, 21);
    QPainterPath shape;
    shape.addRoundedRect(pill, 10.5, 10.5);

    logo = QImage(146, 22, QImage::Format_ARGB32_Premultiplied);
    logo.fill(QColor(0x2c, 0x2f, 0x34));
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 22);
    bg.setColorAt(0, QColor(0x3c, 0x40, 0x46));
    bg.setColorAt(1, QColor(0x22, 0x24, 0x28));
    p.fillPath(shape, bg);
    QLinearGradient fire(0, 19, 0, 3);
    fire.setColorAt(0, QColor(0xff, 0xd4, 0x5c));
    fire.setColorAt(1, QColor(0xe8, 0x4a, 0x14));
    p.fillPath(flame(14, 18, 10, 15), fire);
    p.fillPath(flame(15, 18, 4, 7), QColor(0xff, 0xf3, 0xc0));
    QFont font;
    font.setPixelSize(12);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    p.setPen(QColor(0xf2, 0xe6, 0xd6));
    p.drawText(QRectF(26, 0, 114, 22), Qt::AlignVCenter | Qt::AlignHCenter, QStringLiteral("CREDITS"));
    p.end();

    mask = QImage(146, 22, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.fillPath(shape, Qt::black);
    m.end();
}

} // namespace

int main(int argc, char** argv)
{
    // Text is drawn with the toolkit's fonts; no screen is needed for that.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kaminor_assetgen <resources folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "kaminor_assetgen: cannot create %s\n", argv[1]);
        return 1;
    }

    QImage logo, mask;
    creditsLogo(logo, mask);
    bool ok = writeWav(out.filePath("Bop.wav"), bop());
    ok = writeWav(out.filePath("Zoum.wav"), zoum()) && ok;
    ok = writeWav(out.filePath("Bip.wav"), bip()) && ok;
    ok = iconApp().save(out.filePath("IconApp_128.png"), "PNG") && ok;
    ok = noStove().save(out.filePath("NoStove.png"), "PNG") && ok;
    ok = logo.save(out.filePath("CreditsLogo.png"), "PNG") && ok;
    ok = mask.save(out.filePath("CreditsLogoMask.png"), "PNG") && ok;
    if (!ok) {
        std::fprintf(stderr, "kaminor_assetgen: could not write every file into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
