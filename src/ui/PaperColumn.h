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
    // Cells side by side as `cells` lays them out, each text wrapped at word ends within its
    // cell instead of elided; the row is as high as its highest cell.
    void wrappedCells(const std::vector<QString>& texts, const std::vector<qreal>& shares,
                      const std::vector<Qt::Alignment>& aligns, const QFont& font);
    // A caption followed by a line to sign on, to the end of the column.
    void signatureLine(const QString& caption, const QFont& font);
    // A thin line across the column, with a little space around it.
    void rule();
    // Empty space.
    void space(qreal points);
    // A picture scaled down (never up) to the column's width and at most maxHeight, inside a
    // thin frame of that height.
    void picture(const QImage& image, qreal maxHeight);

    // The height laid out so far, bottom margin included.
    qreal height() const { return m_y + m_margin; }

    // Lays out on pages of this height: what does not fit on the page any more goes to the
    // next one, started by newPage (called only while painting) after footer(page number).
    // Without it the column is one long page.
    void setPages(qreal pageHeight, std::function<void(int page)> footer,
                  std::function<void()> newPage);
    // Starts the next page unless `points` still fit on this one (to keep a heading with
    // what follows it).
    void keep(qreal points);
    // Pages laid out so far (1 on an unpaged column).
    int pages() const { return m_page; }
    // Ends the last page: its footer is drawn.
    void finish();

    // A font of the printouts: Arial (Liberation Sans on Linux) of this height in points.
    static QFont font(qreal points, bool bold = false);

private:
    qreal inner() const { return m_width - 2 * m_margin; }
    // Moves to the next page when `points` do not fit on this one any more.
    void fit(qreal points);

    QPainter* m_painter;
    qreal m_width;
    qreal m_margin;
    qreal m_y;
    qreal m_pageHeight = 0;  // 0: one long page
    int m_page = 1;
    std::function<void(int)> m_footer;
    std::function<void()> m_newPage;
};

// Paper of the drivers' belt printers: 80 mm wide.
inline constexpr qreal kPaperWidth = 80.0 / 25.4 * 72.0;

// A4 paper, in points.
inline constexpr qreal kA4Width = 595.0;
inline constexpr qreal kA4Height = 842.0;

// Writes a PDF of A4 pages to a host file (atomically: the old file stays when it cannot be
// written): `content` is laid out on a column with a margin of `margin` points that breaks
// into pages, each with `footer(page, pages)` drawn at its bottom. False when it could not be
// written.
bool writeA4Pdf(const QString& file, qreal margin, const std::function<void(PaperColumn&)>& content,
                const std::function<QString(int page, int pages)>& footer);

// Writes a one-page PDF of the paper's width and as long as `content` lays out (measured
// first), to a device path; the folder is created. False when the file could not be written
// (an older file stays as it was).
bool writePaperPdf(const DeviceFs& fs, const std::string& devicePath,
                   const std::function<void(PaperColumn&)>& content);

}  // namespace kelvo
