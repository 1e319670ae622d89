#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QImage;
class QPainter;

namespace kelvo {

class DeviceFs;

// Lays out a printout top-down on paper of a fixed width, in points (1/72 inch). With a
// painter it draws as it goes; without one it only measures, so that a first pass can tell
// how long the page must be.
class PaperColumn {
public:
    // The painter may be null (measuring only); width and margin in points.
    PaperColumn(QPainter* painter, qreal width, qreal margin);

    // Text across the column, wrapped at word ends.
    void text(const QString& s, const QFont& font, Qt::Alignment align = Qt::AlignLeft);
    // A label on the left and a value on the right of one line (the label wraps when long).
    void pair(const QString& label, const QString& value, const QFont& font);
    // Cells side by side, each over its share of the width (shares add up to 1), each
    // elided to its cell.
    void cells(const std::vector<QString>& texts, const std::vector<qreal>& shares,
               const std::vector<Qt::Alignment>& aligns, const QFont& font);
    // A thin line across the column, with a little space around it.
    void rule();
    // Empty space.
    void space(qreal points);
    // A picture scaled down (never up) to the column's width and at most maxHeight, inside a
    // thin frame of that height.
    void picture(const QImage& image, qreal maxHeight);

    // The height laid out so far, bottom margin included.
    qreal height() const { return m_y + m_margin; }

    // A font of the printouts: Arial (Liberation Sans on Linux) of this height in points.
    static QFont font(qreal points, bool bold = false);

private:
    qreal inner() const { return m_width - 2 * m_margin; }

    QPainter* m_painter;
    qreal m_width;
    qreal m_margin;
    qreal m_y;
};

// Paper of the drivers' belt printers: 80 mm wide.
inline constexpr qreal kPaperWidth = 80.0 / 25.4 * 72.0;

// Writes a one-page PDF of the paper's width and as long as `content` lays out (measured
// first), to a device path; the folder is created. False when the file could not be written
// (an older file stays as it was).
bool writePaperPdf(const DeviceFs& fs, const std::string& devicePath,
                   const std::function<void(PaperColumn&)>& content);

}  // namespace kelvo
