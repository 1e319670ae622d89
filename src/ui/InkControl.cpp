#include "ui/InkControl.h"

#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

#include "common/FileWriter.h"

namespace kelvo {

namespace {

constexpr qreal kPenWidth = 2.0;

void drawStrokes(QPainter& painter, const QList<QPolygonF>& strokes) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& stroke : strokes) {
        if (stroke.size() == 1) {
            painter.drawPoint(stroke.front());  // a tap leaves a dot
        } else {
            painter.drawPolyline(stroke);
        }
    }
}

}  // namespace

CInkControl::CInkControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_StaticContents);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setCursor(Qt::CrossCursor);
}

void CInkControl::clear() {
    const bool had = hasInk();
    m_strokes.clear();
    m_drawing = false;
    update();
    if (had) {
        emit inkChanged();
    }
}

QImage CInkControl::picture() const {
    QImage image(size(), QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawStrokes(painter, m_strokes);
    return image;
}

bool CInkControl::savePicture(const DeviceFs& fs, std::string_view devicePath) const {
    return kelvo::savePicture(fs, picture(), devicePath);
}

SignatureWriter signatureWriter(const DeviceFs& fs, const QImage& picture) {
    return [&fs, &picture](const std::string& devicePath) {
        return savePicture(fs, picture, devicePath);
    };
}

bool savePicture(const DeviceFs& fs, const QImage& picture, std::string_view devicePath) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) {
        return false;
    }
    return writeFileAtomic(fs, devicePath, std::string_view(bytes.constData(), bytes.size()));
}

void CInkControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    drawStrokes(painter, m_strokes);
}

void CInkControl::beginStroke(const QPointF& at) {
    const bool first = !hasInk();
    m_drawing = true;
    m_strokes.append(QPolygonF{at});
    update();
    if (first) {
        emit inkChanged();
    }
}

void CInkControl::extendStroke(const QPointF& at) {
    if (!m_drawing || m_strokes.isEmpty()) {
        return;
    }
    m_strokes.last().append(at);
    update();
}

void CInkControl::endStroke() {
    m_drawing = false;
}

void CInkControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        beginStroke(event->position());
    }
}

void CInkControl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        extendStroke(event->position());
    }
}

void CInkControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        extendStroke(event->position());
        endStroke();
    }
}

void CInkControl::tabletEvent(QTabletEvent* event) {
    // Taken here, the pen produces no second stroke from the mouse events Qt would make of it.
    switch (event->type()) {
        case QEvent::TabletPress:
            beginStroke(event->position());
            break;
        case QEvent::TabletMove:
            if (event->buttons() != Qt::NoButton) {
                extendStroke(event->position());
            }
            break;
        case QEvent::TabletRelease:
            extendStroke(event->position());
            endStroke();
            break;
        default:
            break;
    }
    event->accept();
}

bool CInkControl::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: {
            // The first finger writes; a second one resting on the screen is ignored.
            auto* touch = static_cast<QTouchEvent*>(event);
            if (touch->points().isEmpty()) {
                return true;
            }
            const QEventPoint& point = touch->points().front();
            if (event->type() == QEvent::TouchBegin) {
                beginStroke(point.position());
            } else {
                extendStroke(point.position());
                if (event->type() == QEvent::TouchEnd) {
                    endStroke();
                }
            }
            event->accept();
            return true;
        }
        case QEvent::TouchCancel:
            endStroke();
            return true;
        default:
            return QWidget::event(event);
    }
}

}  // namespace kelvo
