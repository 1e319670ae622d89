#include "ui/PaperColumn.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "common/DeviceFs.h"
#include "common/FileWriter.h"

namespace kelvo {

namespace {

constexpr qreal kUnbounded = 1e6;

// The device folder of a device path ("\a\b\c.pdf" -> "\a\b\").
std::string folderOf(const std::string& devicePath) {
    const auto slash = devicePath.rfind('\\');
    return slash == std::string::npos ? std::string() : devicePath.substr(0, slash + 1);
}

}  // namespace

PaperColumn::PaperColumn(QPainter* painter, qreal width, qreal margin)
    : m_painter(painter), m_width(width), m_margin(margin), m_y(margin) {}

QFont PaperColumn::font(qreal points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    // The PDF is written at 72 dots per inch, so a pixel is a point: measuring without a
    // painter and drawing on the page then agree.
    f.setPixelSize(std::max(1, qRound(points)));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

void PaperColumn::text(const QString& s, const QFont& font, Qt::Alignment align) {
    const QFontMetricsF fm(font);
    const int flags = static_cast<int>(align) | Qt::TextWordWrap;
    const QRectF box(m_margin, m_y, inner(), kUnbounded);
    const qreal h = std::max(fm.height(), fm.boundingRect(box, flags, s).height());
    if (m_painter) {
        m_painter->setFont(font);
        m_painter->drawText(QRectF(m_margin, m_y, inner(), h), flags, s);
    }
    m_y += h;
}

void PaperColumn::pair(const QString& label, const QString& value, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal valueWidth = fm.horizontalAdvance(value) + 4;
    const qreal labelWidth = std::max<qreal>(inner() - valueWidth, inner() / 2);
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const qreal h = std::max(
        fm.height(), fm.boundingRect(QRectF(0, 0, labelWidth, kUnbounded), flags, label).height());
    if (m_painter) {
        m_painter->setFont(font);
        m_painter->drawText(QRectF(m_margin, m_y, labelWidth, h), flags, label);
        m_painter->drawText(QRectF(m_margin, m_y, inner(), fm.height()),
                            Qt::AlignRight | Qt::AlignTop, value);
    }
    m_y += h;
}

void PaperColumn::cells(const std::vector<QString>& texts, const std::vector<qreal>& shares,
                        const std::vector<Qt::Alignment>& aligns, const QFont& font) {
    const QFontMetricsF fm(font);
    if (m_painter) {
        m_painter->setFont(font);
        qreal x = m_margin;
        for (std::size_t i = 0; i < texts.size() && i < shares.size(); ++i) {
            const qreal w = inner() * shares[i];
            const QString shown = fm.elidedText(texts[i], Qt::ElideRight, w - 2);
            const Qt::Alignment a = i < aligns.size() ? aligns[i] : Qt::AlignLeft;
            m_painter->drawText(QRectF(x, m_y, w - 2, fm.height()), a | Qt::AlignTop, shown);
            x += w;
        }
    }
    m_y += fm.height();
}

void PaperColumn::rule() {
    m_y += 3;
    if (m_painter) {
        m_painter->setPen(QPen(Qt::black, 0.5));
        m_painter->drawLine(QPointF(m_margin, m_y), QPointF(m_width - m_margin, m_y));
    }
    m_y += 3;
}

void PaperColumn::space(qreal points) {
    m_y += points;
}

void PaperColumn::picture(const QImage& image, qreal maxHeight) {
    if (m_painter) {
        const QRectF frame(m_margin, m_y, inner(), maxHeight);
        m_painter->setPen(QPen(Qt::gray, 0.5));
        m_painter->drawRect(frame);
        if (!image.isNull()) {
            QSizeF size = image.size();
            if (size.width() > frame.width() - 4 || size.height() > frame.height() - 4) {
                size.scale(frame.size() - QSizeF(4, 4), Qt::KeepAspectRatio);
            }
            const QRectF target(frame.center() - QPointF(size.width(), size.height()) / 2, size);
            m_painter->drawImage(target, image);
        }
        m_painter->setPen(QPen(Qt::black));
    }
    m_y += maxHeight;
}

bool writePaperPdf(const DeviceFs& fs, const std::string& devicePath,
                   const std::function<void(PaperColumn&)>& content) {
    // A belt printer prints the middle 72 mm of the 80 mm paper (576 dots at 203 dpi, 204.3
    // points): margins of 12 points keep every line of the page on what it prints.
    constexpr qreal kMargin = 12;
    PaperColumn measure(nullptr, kPaperWidth, kMargin);
    content(measure);
    // A PDF page is at most 200 inches long; a longer printout is cut there.
    const qreal length = std::min(measure.height(), 200.0 * 72.0);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(kPaperWidth, length), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Kelvo"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        PaperColumn page(&painter, kPaperWidth, kMargin);
        content(page);
        painter.end();
    }
    const QByteArray bytes = buffer.data();
    if (bytes.isEmpty() || !fs.createFolder(folderOf(devicePath))) {
        return false;
    }
    return writeFileAtomic(
        fs, devicePath,
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace kelvo
