#include "StoveArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace Photogen {

namespace {

constexpr double CanvasW = PhotoSize.width();
constexpr double CanvasH = PhotoSize.height();
constexpr double FloorY = 1120;   // front edge of the stove's footprint
constexpr double HorizonY = 905;  // where the wall meets the floor
const QPointF Depth(112, -56);    // the receding direction of the side and top faces
constexpr double StripW = 58;     // front edge of a side panel
constexpr double TexDepth = 300;  // texture units along the depth of a face

// Index constants of the catalogue.
enum Model { Kolda, Tessa, Orvo, Zelta, Hodra };

struct ModelGeo {
    double width;  // front width of the body
    double baseH;  // plinth, feet, pedestal
    double logH;   // log-store section (0: none)
    double fireH;  // firebox section
    double accH;   // heat-accumulator block
};

ModelGeo geometry(int model)
{
    switch (model) {
    case Tessa: return {380, 44, 150, 390, 0};
    case Orvo: return {390, 250, 0, 440, 0};
    case Zelta: return {392, 26, 160, 390, 210};
    case Hodra: return {400, 82, 142, 400, 0};
    default: return {404, 26, 176, 410, 0};
    }
}

QPolygonF sideFace(const QRectF& f, QPointF d = Depth)
{
    return QPolygonF({f.topRight(), f.topRight() + d, f.bottomRight() + d, f.bottomRight()});
}

QPolygonF topFace(const QRectF& f, QPointF d = Depth)
{
    return QPolygonF({f.topLeft(), f.topLeft() + d, f.topRight() + d, f.topRight()});
}

QPainterPath pathOf(const QPolygonF& poly)
{
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath pathOf(const QRectF& r)
{
    QPainterPath p;
    p.addRect(r);
    return p;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

enum class Face { Front, Side, Top };

} // namespace

// One picture being drawn: the selection, its geometry and the painter.
struct Scene {
    const StoveArt& art;
    const Kaminor::Selection& sel;
    QPainter& p;
    QRandomGenerator rng{20260611};

    ModelGeo geo = geometry(sel.body);
    double x0 = 0, yTop = 0, yBottom = 0;
    QColor body;       // cast-iron colour
    QRectF front;      // front of the body, panels included
    QRectF center;     // front between the two panel edges

    Scene(const StoveArt& a, const Kaminor::Selection& s, QPainter& painter) : art(a), sel(s), p(painter)
    {
        body = sel.color == 0 ? QColor(0x5d, 0x60, 0x64) : QColor(0x1e, 0x1f, 0x21);
        x0 = std::round((CanvasW - geo.width - Depth.x()) / 2);
        yBottom = FloorY - geo.baseH;
        yTop = yBottom - geo.logH - geo.fireH - geo.accH;
        front = QRectF(x0, yTop, geo.width, yBottom - yTop);
        center = front.adjusted(StripW, 0, -StripW, 0);
    }

    int panelMaterial() const { return std::clamp<int>(sel.side, 0, 5); }

    // --- materials ---------------------------------------------------------

    void fillSteel(const QPainterPath& path, const QColor& c, Face face, const QRectF& bounds)
    {
        if (face == Face::Front) {
            QLinearGradient g(bounds.topLeft(), bounds.topRight());
            g.setColorAt(0, c.lighter(114));
            g.setColorAt(0.45, c);
            g.setColorAt(1, c.darker(112));
            p.fillPath(path, g);
        } else if (face == Face::Side) {
            QLinearGradient g(bounds.topLeft(), bounds.topRight());
            g.setColorAt(0, c.darker(112));
            g.setColorAt(1, c.darker(140));
            p.fillPath(path, g);
        } else {
            QLinearGradient g(bounds.bottomLeft(), bounds.topLeft());
            g.setColorAt(0, c.lighter(135));
            g.setColorAt(1, c.lighter(118));
            p.fillPath(path, g);
        }
    }

    // Texture mapped onto a face: fronts and tops keep the picture's axes,
    // sides are sheared along the depth.
    void fillTexture(const QPainterPath& path, const QImage& tex, Face face, const QRectF& bounds)
    {
        QBrush b(tex);
        if (face == Face::Side) {
            const double k = Depth.x() / TexDepth;
            b.setTransform(QTransform(k, k * Depth.y() / Depth.x(), 0, 1, bounds.left(), bounds.top() - 180));
        } else if (face == Face::Top) {
            b.setTransform(QTransform(1, 0, Depth.x() / TexDepth, Depth.y() / TexDepth, bounds.left() - 60, bounds.bottom()));
        } else {
            b.setTransform(QTransform::fromTranslate(bounds.left() * 0.7 + 40, -bounds.top() * 0.2));
        }
        p.fillPath(path, b);
    }

    void shade(const QPainterPath& path, Face face, const QRectF& bounds, double gloss)
    {
        if (face == Face::Front) {
            QLinearGradient g(bounds.topLeft(), bounds.bottomLeft());
            g.setColorAt(0, QColor(255, 255, 255, 22));
            g.setColorAt(1, QColor(0, 0, 0, 30));
            p.fillPath(path, g);
            if (gloss > 0) {
                QLinearGradient h(bounds.topLeft(), bounds.topRight());
                h.setColorAt(0, QColor(255, 255, 255, 0));
                h.setColorAt(0.22, QColor(255, 255, 255, int(70 * gloss)));
                h.setColorAt(0.42, QColor(255, 255, 255, 0));
                p.fillPath(path, h);
            }
        } else if (face == Face::Side) {
            QLinearGradient g(bounds.topLeft(), bounds.topRight());
            g.setColorAt(0, QColor(0, 0, 0, 70));
            g.setColorAt(1, QColor(0, 0, 0, 125));
            p.fillPath(path, g);
            if (gloss > 0) {
                QLinearGradient h(bounds.topLeft(), bounds.bottomLeft());
                h.setColorAt(0, QColor(255, 255, 255, int(40 * gloss)));
                h.setColorAt(0.5, QColor(255, 255, 255, 0));
                p.fillPath(path, h);
            }
        } else {
            QLinearGradient g(bounds.bottomLeft(), bounds.topLeft());
            g.setColorAt(0, QColor(255, 255, 255, 50));
            g.setColorAt(1, QColor(255, 255, 255, 15));
            p.fillPath(path, g);
        }
    }

    // Stone materials by their common number: 1 granite, 2 serpentino, 3 ceramic.
    void fillStone(const QPainterPath& path, int stone, Face face, const QRectF& bounds)
    {
        switch (stone) {
        case 1:
            fillTexture(path, art.m_granite, face, bounds);
            shade(path, face, bounds, 0.6);
            break;
        case 2:
            fillTexture(path, art.m_serpentino, face, bounds);
            shade(path, face, bounds, 0.35);
            break;
        default: {
            QColor c(0xf6, 0xf5, 0xf0);
            if (face == Face::Front) {
                QLinearGradient g(bounds.topLeft(), bounds.topRight());
                g.setColorAt(0, QColor(0xff, 0xff, 0xfd));
                g.setColorAt(0.55, c);
                g.setColorAt(1, QColor(0xe2, 0xe1, 0xdb));
                p.fillPath(path, g);
            } else if (face == Face::Side) {
                QLinearGradient g(bounds.topLeft(), bounds.topRight());
                g.setColorAt(0, QColor(0xdc, 0xdb, 0xd4));
                g.setColorAt(1, QColor(0xb9, 0xb8, 0xb1));
                p.fillPath(path, g);
            } else {
                p.fillPath(path, QColor(0xfb, 0xfb, 0xf8));
            }
            shade(path, face, bounds, 1.6);
            break;
        }
        }
    }

    // The panel material of the sides (0..5).
    void fillPanel(const QPainterPath& path, Face face, const QRectF& bounds)
    {
        switch (panelMaterial()) {
        case 0: fillSteel(path, QColor(0xb4, 0xb8, 0xbc), face, bounds); shade(path, face, bounds, 0.9); break;
        case 1: fillSteel(path, QColor(0x7a, 0x7e, 0x83), face, bounds); shade(path, face, bounds, 0.7); break;
        case 2: fillSteel(path, QColor(0x2a, 0x2b, 0x2e), face, bounds); shade(path, face, bounds, 0.6); break;
        default: fillStone(path, panelMaterial() - 2, face, bounds); break;
        }
    }

    // Tile joints of the ceramic panels.
    void ceramicJoints(const QRectF& r, bool side)
    {
        if (panelMaterial() != 5)
            return;
        p.save();
        p.setPen(QPen(QColor(0xb8, 0xb6, 0xae), 1.6));
        for (double y = r.top() + 150; y < r.bottom() - 40; y += 150) {
            if (side)
                p.drawLine(QPointF(r.left(), y), QPointF(r.left() + Depth.x(), y + Depth.y()));
            else
                p.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
        }
        p.restore();
    }

    void fillBody(const QPainterPath& path, Face face, const QRectF& bounds)
    {
        fillSteel(path, body, face, bounds);
        shade(path, face, bounds, 0.25);
    }

    // --- scene -------------------------------------------------------------

    void background()
    {
        QLinearGradient g(0, 0, 0, CanvasH);
        g.setColorAt(0, QColor(0xf7, 0xf6, 0xf3));
        g.setColorAt(HorizonY / CanvasH - 0.015, QColor(0xe6, 0xe4, 0xdf));
        g.setColorAt(HorizonY / CanvasH, QColor(0xd6, 0xd3, 0xcd));
        g.setColorAt(1, QColor(0xee, 0xec, 0xe7));
        p.fillRect(QRectF(0, 0, CanvasW, CanvasH), g);
        QRadialGradient spot(QPointF(CanvasW / 2, 520), 520);
        spot.setColorAt(0, QColor(255, 255, 255, 150));
        spot.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(0, 0, CanvasW, HorizonY + 20), spot);
    }

    // A soft elliptic shadow on the floor, darkest at its centre.
    void shadow(QPointF c, double rx, double ry, int core, int mid)
    {
        QRadialGradient g(QPointF(0, 0), 1);
        g.setColorAt(0, QColor(0, 0, 0, core));
        g.setColorAt(0.65, QColor(0, 0, 0, mid));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.save();
        p.translate(c);
        p.scale(rx, ry);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), 1, 1);
        p.restore();
    }

    void floorShadow()
    {
        const QPointF c(x0 + (geo.width + Depth.x()) / 2, FloorY + Depth.y() / 2 + 4);
        const double rx = (geo.width + Depth.x()) / 2 + 90;
        shadow(c, rx, 78, 110, 45);
        shadow(c, rx - 70, 40, 150, 60); // contact shadow under the footprint
    }

    void box(const QRectF& f, const QColor& c, QPointF d = Depth)
    {
        const QPolygonF s = sideFace(f, d), t = topFace(f, d);
        fillSteel(pathOf(s), c, Face::Side, s.boundingRect());
        fillSteel(pathOf(t), c, Face::Top, t.boundingRect());
        fillSteel(pathOf(f), c, Face::Front, f);
        shade(pathOf(f), Face::Front, f, 0.2);
    }

    void base()
    {
        switch (sel.body) {
        case Tessa: {
            const QColor foot = body.darker(140);
            auto leg = [&](double x, QPointF off) {
                QRectF r(x + off.x(), yBottom + off.y(), 26, geo.baseH);
                QLinearGradient g(r.topLeft(), r.topRight());
                g.setColorAt(0, foot.lighter(150));
                g.setColorAt(0.4, foot);
                g.setColorAt(1, foot.darker(160));
                p.fillRect(r, g);
            };
            const QPointF back = Depth * 0.85;
            leg(x0 + 20, back);
            leg(x0 + geo.width - 46, back);
            leg(x0 + 20, {});
            leg(x0 + geo.width - 46, {});
            break;
        }
        case Orvo: {
            const double cx = x0 + geo.width / 2 + Depth.x() / 2;
            const double floorC = FloorY + Depth.y() / 2;
            const double discT = 22, discRx = 160, discRy = 40;
            const QColor c = body.darker(115);
            // disc
            QRectF bottomE(cx - discRx, floorC - discRy, 2 * discRx, 2 * discRy);
            QPainterPath disc;
            disc.moveTo(cx - discRx, floorC - discT);
            disc.lineTo(cx - discRx, floorC);
            disc.arcTo(bottomE, 180, 180);
            disc.lineTo(cx + discRx, floorC - discT);
            disc.closeSubpath();
            QLinearGradient dg(cx - discRx, 0, cx + discRx, 0);
            dg.setColorAt(0, c.lighter(130));
            dg.setColorAt(0.5, c);
            dg.setColorAt(1, c.darker(150));
            p.fillPath(disc, dg);
            QRadialGradient tg(QPointF(cx - 40, floorC - discT - 10), discRx);
            tg.setColorAt(0, c.lighter(170));
            tg.setColorAt(1, c.lighter(115));
            p.setPen(Qt::NoPen);
            p.setBrush(tg);
            p.drawEllipse(bottomE.translated(0, -discT));
            // column
            const double colW = 118;
            QRectF col(cx - colW / 2, yBottom + Depth.y() / 2, colW, floorC - discT - yBottom - Depth.y() / 2);
            QLinearGradient cg(col.topLeft(), col.topRight());
            cg.setColorAt(0, c.darker(110));
            cg.setColorAt(0.3, c.lighter(160));
            cg.setColorAt(0.55, c);
            cg.setColorAt(1, c.darker(190));
            p.fillRect(col, cg);
            p.setBrush(cg);
            p.drawEllipse(QRectF(col.left(), col.bottom() - 14, colW, 28));
            // pivot ring under the body
            QRectF ring(col.left() - 10, col.top() + 8, colW + 20, 22);
            QLinearGradient rg(ring.topLeft(), ring.topRight());
            rg.setColorAt(0, QColor(0x8a, 0x8c, 0x90));
            rg.setColorAt(0.3, QColor(0xee, 0xef, 0xf1));
            rg.setColorAt(1, QColor(0x45, 0x46, 0x49));
            p.fillRect(ring, rg);
            p.setBrush(rg);
            p.drawEllipse(QRectF(ring.left(), ring.bottom() - 8, ring.width(), 16));
            break;
        }
        case Hodra: {
            const double plinthH = geo.baseH - 14;
            QRectF pl(x0 - 16, FloorY - plinthH, geo.width + 32, plinthH);
            box(pl, body.darker(125), Depth * 1.02);
            // the turntable in the gap between plinth and body
            const QRectF tt(x0 + 24, yBottom, geo.width - 48, pl.top() - yBottom + 2);
            box(tt, QColor(0x16, 0x16, 0x17), Depth * 0.8);
            QLinearGradient rg(tt.topLeft(), tt.topRight());
            rg.setColorAt(0, QColor(0x70, 0x72, 0x76));
            rg.setColorAt(0.35, QColor(0xe4, 0xe5, 0xe8));
            rg.setColorAt(1, QColor(0x3a, 0x3b, 0x3e));
            p.fillRect(QRectF(tt.left(), tt.bottom() - 5, tt.width(), 3), rg);
            break;
        }
        default: {
            // a recessed plinth in shadow
            QRectF r(x0 + 16, yBottom, geo.width - 32, geo.baseH);
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0, QColor(0x0c, 0x0c, 0x0d));
            g.setColorAt(1, QColor(0x26, 0x26, 0x28));
            p.fillRect(r, g);
            const QPolygonF s = sideFace(r);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x14, 0x14, 0x15));
            p.drawPolygon(s);
            break;
        }
        }
    }

    void bodyShell()
    {
        // right side panel
        const QPolygonF s = sideFace(front);
        fillPanel(pathOf(s), Face::Side, s.boundingRect());
        ceramicJoints(QRectF(front.right(), front.top(), Depth.x(), front.height()), true);
        // cast-iron front between the panels
        fillBody(pathOf(center), Face::Front, center);
        // panel edges on the front
        const QRectF left(front.left(), front.top(), StripW, front.height());
        const QRectF right(center.right(), front.top(), StripW, front.height());
        for (const QRectF& r : {left, right}) {
            fillPanel(pathOf(r), Face::Front, r);
            ceramicJoints(r, false);
        }
        // the panels stand proud of the front: a soft shadow on the iron
        for (int k = 0; k < 2; ++k) {
            QRectF sh = k == 0 ? QRectF(center.left(), center.top(), 14, center.height())
                               : QRectF(center.right() - 8, center.top(), 8, center.height());
            QLinearGradient g(sh.topLeft(), sh.topRight());
            g.setColorAt(k == 0 ? 0 : 1, QColor(0, 0, 0, 120));
            g.setColorAt(k == 0 ? 1 : 0, QColor(0, 0, 0, 0));
            p.fillRect(sh, g);
        }
        // edge highlight where front meets side
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
        p.drawLine(front.topRight(), front.bottomRight());
    }

    void groove(double y)
    {
        p.setPen(QPen(QColor(0, 0, 0, 150), 2));
        p.drawLine(QPointF(center.left() + 2, y), QPointF(center.right() - 2, y));
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(QPointF(center.left() + 2, y + 2), QPointF(center.right() - 2, y + 2));
    }

    void bevel(const QRectF& r, int light = 55, int dark = 110)
    {
        p.setPen(QPen(QColor(255, 255, 255, light), 2));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QPen(QColor(0, 0, 0, dark), 2));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }

    void flame(QPainter& q, double cx, double base, double w, double h, const QColor& core, const QColor& edge)
    {
        QPainterPath f;
        f.moveTo(cx - w / 2, base);
        f.cubicTo(cx - w * 0.7, base - h * 0.45, cx - w * 0.05, base - h * 0.6, cx + w * 0.12, base - h);
        f.cubicTo(cx + w * 0.2, base - h * 0.62, cx + w * 0.75, base - h * 0.4, cx + w / 2, base);
        f.closeSubpath();
        QLinearGradient g(cx, base, cx, base - h);
        g.setColorAt(0, core);
        g.setColorAt(0.45, edge);
        g.setColorAt(1, withAlpha(edge, 0));
        q.fillPath(f, g);
    }

    void log(const QRectF& r, double angle)
    {
        p.save();
        p.translate(r.center());
        p.rotate(angle);
        QRectF l(-r.width() / 2, -r.height() / 2, r.width(), r.height());
        QLinearGradient g(l.topLeft(), l.bottomLeft());
        g.setColorAt(0, QColor(0xff, 0x8a, 0x2a));
        g.setColorAt(0.25, QColor(0x5a, 0x24, 0x0c));
        g.setColorAt(1, QColor(0x1a, 0x0c, 0x06));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(l, r.height() / 2, r.height() / 2);
        p.restore();
    }

    void fire(const QRectF& r)
    {
        p.save();
        p.setClipRect(r);
        QLinearGradient bg(r.topLeft(), r.bottomLeft());
        bg.setColorAt(0, QColor(0x16, 0x0c, 0x08));
        bg.setColorAt(1, QColor(0x42, 0x1a, 0x08));
        p.fillRect(r, bg);
        // fire-brick lining
        p.setPen(QPen(QColor(0x00, 0x00, 0x00, 90), 1.5));
        for (double y = r.top() + r.height() / 3; y < r.bottom(); y += r.height() / 3)
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        QRadialGradient glow(QPointF(r.center().x(), r.bottom() - r.height() * 0.18), r.width() * 0.8);
        glow.setColorAt(0, QColor(0xff, 0xa8, 0x38, 230));
        glow.setColorAt(0.45, QColor(0xd8, 0x50, 0x10, 110));
        glow.setColorAt(1, QColor(0x80, 0x20, 0x00, 0));
        p.fillRect(r, glow);
        const double base = r.bottom() - r.height() * 0.17;
        const double w = r.width();
        QRandomGenerator fr(4242);
        // glowing bed of embers under the logs
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 34; ++i) {
            const double ex = r.left() + 8 + fr.bounded(int(w - 16));
            const double ey = r.bottom() - 5 - fr.bounded(int(r.height() * 0.08));
            p.setBrush(QColor(0xff, 0x70 + fr.bounded(0x60), 0x18, 170));
            p.drawEllipse(QPointF(ex, ey), 1.8, 1.4);
        }
        // Flames drawn small and enlarged, which blurs them: wide tongues very
        // soft, bright cores a little sharper.
        auto softLayer = [&](double k, auto&& paint) {
            QImage soft((r.size() * k).toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
            soft.fill(Qt::transparent);
            QPainter sp(&soft);
            sp.setRenderHint(QPainter::Antialiasing);
            sp.scale(k, k);
            sp.translate(-r.topLeft());
            paint(sp);
            sp.end();
            p.setCompositionMode(QPainter::CompositionMode_Screen);
            p.drawImage(r, soft);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        };
        softLayer(0.2, [&](QPainter& q) {
            for (int i = 0; i < 9; ++i) {
                const double fx = r.left() + w * (0.12 + 0.76 * fr.generateDouble());
                const double fh = r.height() * (0.3 + 0.45 * fr.generateDouble()) * (1.0 - std::abs(fx - r.center().x()) / w);
                flame(q, fx, base + 6, w * (0.18 + 0.12 * fr.generateDouble()), fh, QColor(0xff, 0x8c, 0x24, 220),
                      QColor(0xd8, 0x3c, 0x06, 150));
            }
        });
        log(QRectF(r.left() + w * 0.1, base - 6, w * 0.62, 28), -6);
        log(QRectF(r.left() + w * 0.3, base + 8, w * 0.6, 28), 7);
        softLayer(0.5, [&](QPainter& q) {
            for (int i = 0; i < 5; ++i) {
                const double fx = r.left() + w * (0.25 + 0.5 * fr.generateDouble());
                const double fh = r.height() * (0.16 + 0.26 * fr.generateDouble());
                flame(q, fx, base + 4, w * (0.1 + 0.07 * fr.generateDouble()), fh, QColor(0xff, 0xf2, 0xb8, 230),
                      QColor(0xff, 0xaa, 0x30, 140));
            }
        });
        p.restore();
    }

    void reflection(const QRectF& r, int strength)
    {
        p.save();
        p.setClipRect(r);
        QPainterPath band;
        band.moveTo(r.left() + r.width() * 0.05, r.top());
        band.lineTo(r.left() + r.width() * 0.42, r.top());
        band.lineTo(r.left() - r.width() * 0.25, r.bottom());
        band.lineTo(r.left() - r.width() * 0.6, r.bottom());
        band.closeSubpath();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(255, 255, 255, strength));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(band, g);
        p.restore();
    }

    // Black screen print along the edges of a glass, fading in a halftone.
    void screenPrint(const QRectF& r, double band)
    {
        QPainterPath frame;
        frame.addRect(r);
        QPainterPath hole;
        hole.addRoundedRect(r.adjusted(band, band, -band, -band), 12, 12);
        const QColor ink(0x08, 0x08, 0x09);
        p.fillPath(frame.subtracted(hole), ink);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const QRectF in = r.adjusted(band, band, -band, -band);
        for (int row = 0; row < 2; ++row) {
            const double d = 5 + row * 8;
            const double rad = 2.6 - row * 1.1;
            for (double x = in.left() + 16; x <= in.right() - 16; x += 8) {
                p.drawEllipse(QPointF(x, in.top() + d), rad, rad);
                p.drawEllipse(QPointF(x, in.bottom() - d), rad, rad);
            }
            for (double y = in.top() + 16; y <= in.bottom() - 16; y += 8) {
                p.drawEllipse(QPointF(in.left() + d, y), rad, rad);
                p.drawEllipse(QPointF(in.right() - d, y), rad, rad);
            }
        }
    }

    void handle(const QRectF& r)
    {
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, QColor(0x6a, 0x6c, 0x70));
        g.setColorAt(0.35, QColor(0xf2, 0xf3, 0xf5));
        g.setColorAt(1, QColor(0x30, 0x31, 0x34));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawRoundedRect(r.translated(3, 4), r.width() / 2, r.width() / 2);
        p.setBrush(g);
        p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
    }

    void fireDoor()
    {
        const double top = yTop + geo.accH;
        const QRectF sect(center.left(), top, center.width(), geo.fireH);
        const QRectF door = sect.adjusted(18, 22, -18, -18);
        const bool printed = sel.doorGlass == 0;
        // recess around the door
        p.fillRect(door.adjusted(-3, -3, 3, 3), QColor(0, 0, 0, 120));
        fillBody(pathOf(door), Face::Front, door);
        bevel(door);
        const QRectF glass = printed ? door.adjusted(8, 8, -8, -8) : door.adjusted(30, 30, -30, -30);
        if (!printed)
            bevel(glass.adjusted(-4, -4, 4, 4), 90, 40);
        fire(glass);
        if (printed)
            screenPrint(glass, 30);
        reflection(glass, printed ? 70 : 55);
        handle(QRectF(door.right() - 16, door.top() + door.height() * 0.32, 11, door.height() * 0.36));
    }

    void logEnds(const QRectF& r)
    {
        const double rad = 25;
        p.setPen(Qt::NoPen);
        int row = 0;
        for (double y = r.bottom() - rad; y > r.top() + rad * 0.6; y -= rad * 1.7, ++row) {
            const double shift = (row % 2) * rad;
            for (double x = r.left() + rad + shift; x < r.right() - rad * 0.6; x += rad * 2.05) {
                const double rr = rad * (0.8 + 0.2 * rng.generateDouble());
                const QPointF c(x + rng.bounded(6.0) - 3, y + rng.bounded(6.0) - 3);
                p.setBrush(QColor(0x3a + rng.bounded(0x14), 0x26, 0x18));
                p.drawEllipse(c, rr, rr);
                QRadialGradient g(c - QPointF(3, 3), rr);
                g.setColorAt(0, QColor(0xe6, 0xc3, 0x8e));
                g.setColorAt(0.75, QColor(0xb8, 0x8a, 0x55));
                g.setColorAt(1, QColor(0x7a, 0x52, 0x2c));
                p.setBrush(g);
                p.drawEllipse(c, rr - 4, rr - 4);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(0x8a, 0x62, 0x38, 120), 1));
                p.drawEllipse(c, rr * 0.5, rr * 0.5);
                p.drawLine(c, c + QPointF(rr * 0.7, rr * (0.3 - 0.6 * rng.generateDouble())));
                p.setPen(Qt::NoPen);
            }
        }
    }

    void logStore()
    {
        if (geo.logH <= 0)
            return;
        const QRectF sect(center.left(), yBottom - geo.logH, center.width(), geo.logH);
        groove(sect.top());
        const QRectF door = sect.adjusted(18, 18, -18, -14);
        switch (sel.doorLogs) {
        case 0: // steel
            p.fillRect(door.adjusted(-3, -3, 3, 3), QColor(0, 0, 0, 120));
            fillBody(pathOf(door), Face::Front, door);
            bevel(door);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 170));
            p.drawRoundedRect(QRectF(door.center().x() - 60, door.top() + 12, 120, 10), 5, 5);
            p.setBrush(QColor(255, 255, 255, 50));
            p.drawRect(QRectF(door.center().x() - 58, door.top() + 22, 116, 1.5));
            break;
        case 1: { // screen-printed glass
            p.fillRect(door.adjusted(-3, -3, 3, 3), QColor(0, 0, 0, 140));
            QLinearGradient g(door.topLeft(), door.bottomLeft());
            g.setColorAt(0, QColor(0x1c, 0x1e, 0x20));
            g.setColorAt(1, QColor(0x0c, 0x0d, 0x0e));
            p.fillRect(door, g);
            p.save();
            p.setClipRect(door);
            p.setOpacity(0.45);
            logEnds(door.adjusted(16, 18, -16, -4));
            p.restore();
            screenPrint(door, 16);
            reflection(door, 80);
            handle(QRectF(door.right() - 16, door.top() + 18, 10, door.height() - 36));
            break;
        }
        default: { // open niche with logs
            QLinearGradient g(door.topLeft(), door.bottomLeft());
            g.setColorAt(0, QColor(0x08, 0x08, 0x09));
            g.setColorAt(1, QColor(0x24, 0x24, 0x26));
            p.fillRect(door, g);
            p.save();
            p.setClipRect(door);
            logEnds(door.adjusted(8, 14, -8, -2));
            QLinearGradient top(door.topLeft(), door.topLeft() + QPointF(0, 30));
            top.setColorAt(0, QColor(0, 0, 0, 190));
            top.setColorAt(1, QColor(0, 0, 0, 0));
            p.fillRect(door, top);
            p.restore();
            break;
        }
        }
    }

    void accumulator()
    {
        if (geo.accH <= 0)
            return;
        const QRectF block(center.left() + 14, yTop + 16, center.width() - 28, geo.accH - 22);
        p.fillRect(block.adjusted(-3, -3, 3, 3), QColor(0, 0, 0, 100));
        fillBody(pathOf(block), Face::Front, block);
        bevel(block);
        // the ribs of the heat-storing block
        const int ribs = 6;
        for (int i = 1; i <= ribs; ++i) {
            const double y = block.top() + block.height() * i / (ribs + 1);
            p.setPen(QPen(QColor(0, 0, 0, 170), 5));
            p.drawLine(QPointF(block.left() + 22, y), QPointF(block.right() - 22, y));
            p.setPen(QPen(QColor(255, 255, 255, 45), 1.5));
            p.drawLine(QPointF(block.left() + 22, y + 3.5), QPointF(block.right() - 22, y + 3.5));
        }
        groove(yTop + geo.accH);
    }

    // A stone slab seen from the front, its right edge and its top.
    void slab(const QRectF& f, QPointF d, int stone)
    {
        const QPolygonF tf = topFace(f, d), sf = sideFace(f, d);
        fillStone(pathOf(sf), stone, Face::Side, sf.boundingRect());
        fillStone(pathOf(tf), stone, Face::Top, tf.boundingRect());
        fillStone(pathOf(f), stone, Face::Front, f);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
        p.drawLine(f.topLeft(), f.topRight());
        p.drawLine(f.topRight(), f.topRight() + d);
    }

    // The top plate (stone slab) or the iron cap; returns the height of its top surface.
    double top()
    {
        const int stone = std::clamp<int>(sel.plate, 0, 3);
        if (stone == 0) {
            const QRectF cap(x0, yTop - 14, geo.width, 14);
            const QPolygonF t = topFace(cap), s = sideFace(cap);
            fillSteel(pathOf(t), body, Face::Top, t.boundingRect());
            fillSteel(pathOf(s), body, Face::Side, s.boundingRect());
            fillSteel(pathOf(cap), body, Face::Front, cap);
            bevel(cap, 70, 90);
            return cap.top();
        }
        const double t = 30, o = 10;
        const QRectF plate(x0 - o, yTop - t, geo.width + 2 * o, t);
        slab(plate, Depth * 1.06, stone);
        // shadow of the overhang on the panels
        QLinearGradient g(0, yTop, 0, yTop + 16);
        g.setColorAt(0, QColor(0, 0, 0, 110));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(x0, yTop, geo.width, 16), g);
        return plate.top();
    }

    void flue(double surface)
    {
        const double r = 54;
        const double cx = x0 + geo.width / 2 + Depth.x() * 0.6;
        const double cy = surface + Depth.y() * 0.6;
        const QColor c(0x26, 0x26, 0x28);
        QRectF pipe(cx - r, -4, 2 * r, cy + 4);
        QLinearGradient g(pipe.topLeft(), pipe.topRight());
        g.setColorAt(0, c.darker(130));
        g.setColorAt(0.28, c.lighter(230));
        g.setColorAt(0.5, c);
        g.setColorAt(1, c.darker(200));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QPointF(cx + 10, cy + 4), r + 16, 16);
        p.fillRect(pipe, g);
        // collar
        QRectF collar(cx - r - 6, cy - 26, 2 * (r + 6), 26);
        QLinearGradient cg(collar.topLeft(), collar.topRight());
        cg.setColorAt(0, c.darker(110));
        cg.setColorAt(0.3, c.lighter(260));
        cg.setColorAt(1, c.darker(190));
        p.fillRect(collar, cg);
        p.setBrush(cg);
        p.drawEllipse(QRectF(collar.left(), collar.bottom() - 9, collar.width(), 18));
        // a joint of the pipe
        p.fillRect(QRectF(pipe.left(), cy * 0.42, pipe.width(), 3), QColor(0, 0, 0, 90));
    }

    // Tessa's warming-tablet support, with or without its stone tablet.
    void tablet(double surface)
    {
        if (sel.body != Tessa && sel.tablet == 0)
            return;
        const double legH = 60;
        const QRectF board(x0 + 34, surface - legH - 24, geo.width - 68, 24);
        const QPointF d = Depth * 0.52;
        const QColor legC = body.darker(110);
        auto leg = [&](QPointF at, int shadeAlpha) {
            QRectF r(at.x(), at.y() - legH, 12, legH);
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, legC.lighter(160));
            g.setColorAt(1, legC.darker(150));
            p.fillRect(r, g);
            p.fillRect(r, QColor(0, 0, 0, shadeAlpha));
        };
        leg(QPointF(board.left() + 14, surface) + d * 0.8, 60);
        leg(QPointF(board.right() - 26, surface) + d * 0.8, 60);
        leg(QPointF(board.left() + 14, surface), 0);
        leg(QPointF(board.right() - 26, surface), 0);
        const int stone = std::clamp<int>(sel.tablet, 0, 3);
        if (stone == 0) {
            // the empty frame of the support
            const QRectF bar(board.left(), board.bottom() - 8, board.width(), 8);
            const QPolygonF tf = topFace(bar, d);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(legC.lighter(140), 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawPolygon(tf);
            p.setPen(QPen(legC.lighter(120), 3));
            for (int i = 1; i < 4; ++i) {
                const double fx = bar.left() + bar.width() * i / 4;
                p.drawLine(QPointF(fx, bar.top()), QPointF(fx, bar.top()) + d);
            }
            fillSteel(pathOf(bar), legC, Face::Front, bar);
            bevel(bar, 80, 80);
            return;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawPolygon(topFace(QRectF(board.left() + 6, surface - 2, board.width(), 1), d));
        slab(board, d, stone);
    }

    void vignette()
    {
        QRadialGradient g(QPointF(CanvasW / 2, CanvasH * 0.55), CanvasH * 0.75);
        g.setColorAt(0.55, QColor(0, 0, 0, 0));
        g.setColorAt(1, QColor(0, 0, 0, 40));
        p.fillRect(QRectF(0, 0, CanvasW, CanvasH), g);
    }

    void draw()
    {
        background();
        floorShadow();
        base();
        bodyShell();
        accumulator();
        fireDoor();
        logStore();
        const double surface = top();
        flue(surface);
        tablet(surface);
        vignette();
    }
};

static QImage texture(const QColor& ground)
{
    QImage t(560, 1100, QImage::Format_RGB32);
    t.fill(ground);
    return t;
}

StoveArt::StoveArt()
{
    QRandomGenerator rng(7151);

    // Black granite: dark ground with grey and a few white grains.
    m_granite = texture(QColor(0x1e, 0x1e, 0x21));
    {
        QPainter p(&m_granite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4800; ++i) {
            const double x = rng.bounded(560.0), y = rng.bounded(1100.0);
            const int kind = rng.bounded(100);
            int v;
            if (kind < 60)
                v = 0x34 + rng.bounded(0x20);
            else if (kind < 92)
                v = 0x6a + rng.bounded(0x30);
            else
                v = 0xc8;
            p.setBrush(QColor(v, v, v + 4));
            const double r = 0.6 + rng.bounded(1.1);
            p.drawEllipse(QPointF(x, y), r, r * (0.6 + rng.bounded(0.6)));
        }
    }

    // Serpentino: green-grey mottled ground with pale and dark veins.
    m_serpentino = texture(QColor(0x62, 0x72, 0x66));
    {
        QPainter p(&m_serpentino);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 260; ++i) {
            const QPointF c(rng.bounded(560.0), rng.bounded(1100.0));
            const double r = 30 + rng.bounded(90.0);
            const bool light = rng.bounded(2) == 0;
            QRadialGradient g(c, r);
            g.setColorAt(0, light ? QColor(0x8c, 0x9c, 0x8c, 70) : QColor(0x3c, 0x4a, 0x40, 80));
            g.setColorAt(1, QColor(0, 0, 0, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
        for (int i = 0; i < 34; ++i) {
            const bool pale = i % 3 != 0;
            QPainterPath v;
            QPointF a(rng.bounded(700.0) - 70, rng.bounded(1100.0));
            v.moveTo(a);
            for (int k = 0; k < 4; ++k) {
                const QPointF b = a + QPointF(60 + rng.bounded(80.0), -40 + rng.bounded(120.0));
                v.cubicTo(a + QPointF(rng.bounded(60.0), -30 + rng.bounded(60.0)),
                          b - QPointF(rng.bounded(60.0), -30 + rng.bounded(60.0)), b);
                a = b;
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pale ? QColor(0xc8, 0xd4, 0xc2, 90 + rng.bounded(90)) : QColor(0x26, 0x30, 0x2a, 150),
                          0.6 + rng.bounded(2.0)));
            p.drawPath(v);
        }
    }
}

QImage StoveArt::render(const Kaminor::Selection& selection) const
{
    QImage img(PhotoSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    Scene scene(*this, selection, p);
    scene.draw();
    p.end();
    return img;
}

} // namespace Photogen
