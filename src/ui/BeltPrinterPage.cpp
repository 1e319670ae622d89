#include "ui/BeltPrinterPage.h"

#include <QPainter>
#include <QPdfDocument>
#include <cstring>

#include "common/DeviceFs.h"
#include "doc/BeltPrinter.h"

namespace kelvo {

namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

bool isPrinterDots(const QImage& picture) {
    return picture.format() == QImage::Format_Mono && picture.colorCount() == 2 &&
           picture.color(0) == kWhite && picture.color(1) == kBlack;
}

// The picture in the printer's dots: laid on white paper (a PDF page is transparent where
// nothing is printed), moved `left` dots to the left and cut to `width`; a dot is black where
// the paper is darker than mid grey.
QImage printerDots(const QImage& picture, int left, int width) {
    QImage paper(width, picture.height(), QImage::Format_Grayscale8);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(QPoint(-left, 0), picture);

    QImage dots(paper.size(), QImage::Format_Mono);
    dots.setColorTable({kWhite, kBlack});
    dots.fill(0);
    for (int y = 0; y < paper.height(); ++y) {
        const uchar* grey = paper.constScanLine(y);
        uchar* row = dots.scanLine(y);
        for (int x = 0; x < paper.width(); ++x) {
            if (grey[x] < 128) {
                row[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
            }
        }
    }
    return dots;
}

}  // namespace

QImage beltPrinterPicture(QPdfDocument& pdf) {
    const QSizeF points = pdf.pagePointSize(0);
    if (pdf.pageCount() < 1 || points.isEmpty()) {
        return {};
    }
    const qreal scale = kPrinterDpi / 72.0;
    const QSize size(qRound(points.width() * scale), qRound(points.height() * scale));
    const QImage page = pdf.render(0, size);
    if (page.isNull()) {
        return {};
    }
    // The printer prints the middle of the paper.
    return printerDots(page, qRound((points.width() * scale - kPrinterDots) / 2), kPrinterDots);
}

QImage beltPrinterPicture(const QString& pdfPath) {
    QPdfDocument pdf;
    if (pdf.load(pdfPath) != QPdfDocument::Error::None) {
        return {};
    }
    return beltPrinterPicture(pdf);
}

MonoRaster monoRaster(const QImage& picture) {
    MonoRaster raster;
    if (picture.isNull()) {
        return raster;
    }
    const QImage dots = isPrinterDots(picture) ? picture : printerDots(picture, 0, picture.width());
    raster.Width = dots.width();
    raster.Height = dots.height();
    const auto rowBytes = static_cast<std::size_t>(raster.rowBytes());
    raster.Bits.resize(rowBytes * static_cast<std::size_t>(raster.Height));
    for (int y = 0; y < raster.Height; ++y) {
        std::uint8_t* row = raster.Bits.data() + static_cast<std::size_t>(y) * rowBytes;
        std::memcpy(row, dots.constScanLine(y), rowBytes);
        if (raster.Width % 8 != 0) {
            row[rowBytes - 1] &= static_cast<std::uint8_t>(0xff00 >> (raster.Width % 8));
        }
    }
    return raster;
}

bool printPictureOnBeltPrinter(const DeviceFs& fs, Prompter& prompter, const QImage& picture) {
    return printOnBeltPrinter(fs, prompter, escPosRasterJob(monoRaster(picture)));
}

void PrintingReceiptWriter::settled(const DeviceFs& fs, const Receipt& receipt,
                                    const std::string& devicePath) {
    (void)receipt;  // printed as its PDF shows it, so paper and file never differ
    const auto host = fs.hostPath(devicePath);
    if (!host || !beltPrinterSet(fs)) {
        return;
    }
    const QImage picture = beltPrinterPicture(QString::fromStdString(host->string()));
    printPictureOnBeltPrinter(fs, m_prompter, picture);
}

}  // namespace kelvo
