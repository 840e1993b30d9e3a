// The stove picture: the photo named by the reference, or a placeholder.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

namespace Kaminor {

// The reference shown while a refused combination is on screen.
inline const QString RefusedReference = QStringLiteral("# # # #");

// A placeholder: the backdrop with the text in white bold, its lines starting
// at one left edge and the block centred both ways.
QImage CreatePict(const QImage& backdrop, const QString& text);

// Where a picture of size `picture` is drawn in a canvas of size `canvas`:
// scaled to touch two opposite edges, proportions kept, centred.
QRect stoveDrawRect(QSize picture, QSize canvas);

// By how much a photo of size `picture` is reduced in its decode to be drawn at
// `drawn` device pixels: 1 (full size), 2, 4 or 8, the largest that leaves it,
// rounded down, no smaller than `drawn`.
int decodeReduction(QSize picture, QSize drawn);

class CanvasStove : public QWidget {
    Q_OBJECT
public:
    explicit CanvasStove(QWidget* parent = nullptr);

    void setPlaceholders(const QImage& picNoStove, const QImage& picNoVisual);
    void setPhotoFolder(const QString& folder) { m_folder = folder; }
    QString photoFolder() const { return m_folder; }
    // What the paint reads each time: whether the start-up has completed, and the reference.
    void setSources(std::function<bool()> initProg, std::function<QString()> reference);

    // What the last paint drew, and where.
    enum class Shown { Nothing, Photo, NoStove, NoVisual };
    Shown lastShown() const { return m_lastShown; }
    QRect lastRect() const { return m_lastRect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picNoStove;
    QImage m_picNoVisual;
    QString m_folder;
    std::function<bool()> m_initProg;
    std::function<QString()> m_reference;
    Shown m_lastShown = Shown::Nothing;
    QRect m_lastRect;
};

} // namespace Kaminor
