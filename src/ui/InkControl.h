#pragma once

#include <QList>
#include <QPolygonF>
#include <QWidget>
#include <string_view>

#include "doc/SettleOps.h"

class QImage;

namespace kelvo {

class DeviceFs;

// The signature control: the customer signs on it with a finger, a pen or the mouse. It
// reports whether anything was drawn, clears, and saves the drawing as a 24-bit bitmap of
// the control's size (in the handheld's pixels). The strokes are kept as lines, so that they
// stay smooth on an enlarged window and in the picture.
class CInkControl : public QWidget {
    Q_OBJECT
public:
    explicit CInkControl(QWidget* parent = nullptr);

    // True once something has been drawn since the last clear.
    bool hasInk() const { return !m_strokes.isEmpty(); }
    // Erases the drawing.
    void clear();
    // The drawing as the picture saves it: black ink on white, the control's size, 24 bits.
    QImage picture() const;
    // Saves the picture as a BMP file at the device path (see savePicture below).
    bool savePicture(const DeviceFs& fs, std::string_view devicePath) const;

    QSize sizeHint() const override { return {200, 80}; }

signals:
    // Ink appeared or was cleared.
    void inkChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;

private:
    void beginStroke(const QPointF& at);
    void extendStroke(const QPointF& at);
    void endStroke();

    QList<QPolygonF> m_strokes;
    bool m_drawing = false;
};

// Saves a signature picture as a BMP file at the device path (atomically). False when it could
// not be written.
bool savePicture(const DeviceFs& fs, const QImage& picture, std::string_view devicePath);

// What writes a settlement's signature picture (see settle): a BMP of `picture` at the path
// the settlement gives. Both must outlive the settlement.
SignatureWriter signatureWriter(const DeviceFs& fs, const QImage& picture);

}  // namespace kelvo
