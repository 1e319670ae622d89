#include "ui/PaperColumn.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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

void PaperColumn::setPages(qreal pageHeight, std::function<void(int page)> footer,
                           std::function<void()> newPage) {
    m_pageHeight = pageHeight;
    m_footer = std::move(footer);
    m_newPage = std::move(newPage);
}

void PaperColumn::fit(qreal points) {
    // Something taller than a whole page starts on a new page only once.
    if (m_pageHeight <= 0 || m_y + points <= m_pageHeight - m_margin || m_y <= m_margin) {
        return;
    }
    if (m_painter) {
        if (m_footer) {
            m_footer(m_page);
        }
        if (m_newPage) {
            m_newPage();
        }
    }
    ++m_page;
    m_y = m_margin;
}

void PaperColumn::keep(qreal points) {
    fit(points);
}

void PaperColumn::finish() {
    if (m_painter && m_footer) {
        m_footer(m_page);
    }
}

void PaperColumn::text(const QString& s, const QFont& font, Qt::Alignment align) {
    const QFontMetricsF fm(font);
    const int flags = static_cast<int>(align) | Qt::TextWordWrap;
    const QRectF box(m_margin, m_y, inner(), kUnbounded);
    const qreal h = std::max(fm.height(), fm.boundingRect(box, flags, s).height());
    fit(h);
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
    fit(h);
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
    fit(fm.height());
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

void PaperColumn::wrappedCells(const std::vector<QString>& texts, const std::vector<qreal>& shares,
                               const std::vector<Qt::Alignment>& aligns, const QFont& font) {
    constexpr qreal kGap = 3;  // on each side of a cell, so that neighbours never touch
    const QFontMetricsF fm(font);
    qreal h = fm.height();
    for (std::size_t i = 0; i < texts.size() && i < shares.size(); ++i) {
        const QRectF box(0, 0, inner() * shares[i] - 2 * kGap, kUnbounded);
        h = std::max(h, fm.boundingRect(box, Qt::TextWordWrap, texts[i]).height());
    }
    fit(h);
    if (m_painter) {
        m_painter->setFont(font);
        qreal x = m_margin;
        for (std::size_t i = 0; i < texts.size() && i < shares.size(); ++i) {
            const qreal w = inner() * shares[i];
            const Qt::Alignment a = i < aligns.size() ? aligns[i] : Qt::AlignLeft;
            m_painter->drawText(QRectF(x + kGap, m_y, w - 2 * kGap, h),
                                static_cast<int>(a | Qt::AlignTop) | Qt::TextWordWrap, texts[i]);
            x += w;
        }
    }
    m_y += h;
}

void PaperColumn::signatureLine(const QString& caption, const QFont& font) {
    const QFontMetricsF fm(font);
    fit(fm.height());
    if (m_painter) {
        m_painter->setFont(font);
        m_painter->drawText(QRectF(m_margin, m_y, inner(), fm.height()),
                            Qt::AlignLeft | Qt::AlignTop, caption);
        const qreal x = m_margin + fm.horizontalAdvance(caption) + 6;
        const qreal y = m_y + fm.ascent() + 1;
        m_painter->setPen(QPen(Qt::black, 0.5));
        m_painter->drawLine(QPointF(x, y), QPointF(m_width - m_margin, y));
    }
    m_y += fm.height();
}

void PaperColumn::rule() {
    fit(6);
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
    fit(maxHeight);
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

bool writeA4Pdf(const QString& file, qreal margin, const std::function<void(PaperColumn&)>& content,
                const std::function<QString(int page, int pages)>& footer) {
    // A first pass counts the pages, so that each footer can say "of n".
    PaperColumn measure(nullptr, kA4Width, margin);
    measure.setPages(kA4Height, nullptr, nullptr);
    content(measure);
    const int pages = measure.pages();

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Kelvo"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            out.cancelWriting();
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        PaperColumn page(&painter, kA4Width, margin);
        page.setPages(
            kA4Height,
            [&](int number) {
                painter.setFont(PaperColumn::font(7));
                painter.setPen(QPen(Qt::black));
                painter.drawText(
                    QRectF(margin, kA4Height - margin * 0.75, kA4Width - 2 * margin, margin * 0.5),
                    Qt::AlignHCenter | Qt::AlignTop, footer(number, pages));
            },
            [&pdf] { pdf.newPage(); });
        content(page);
        page.finish();
        painter.end();
    }
    return out.commit();
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
