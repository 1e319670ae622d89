#pragma once

#include <QImage>
#include <QString>

#include "common/EscPos.h"
#include "ui/ReceiptPdf.h"

class QPdfDocument;

namespace kelvo {

class DeviceFs;
class Prompter;

// The belt printer's resolution, and the dots of its printable width: the middle 72 mm of
// the 80 mm paper.
inline constexpr int kPrinterDpi = 203;
inline constexpr int kPrinterDots = 576;

// The first page of a printout on the 80 mm paper (a receipt's PDF) as the belt printer
// prints it: the page rendered at kPrinterDpi, the kPrinterDots dots in the middle of its
// width, each dot black where the page is darker than mid grey. Format_Mono with colour 0
// white and 1 black; a null image when the document has no page or cannot be rendered.
QImage beltPrinterPicture(QPdfDocument& pdf);
// The same for the PDF file at a host path; a null image when it cannot be read.
QImage beltPrinterPicture(const QString& pdfPath);

// The dots of a picture as the printer takes them, black where darker than mid grey (any
// format; an invalid raster for a null picture).
MonoRaster monoRaster(const QImage& picture);

// Prints a picture on the belt printer the properties file names, as one ESC/POS job (see
// printOnBeltPrinter: a failure is told to the driver and changes nothing). True when the
// printer took it.
bool printPictureOnBeltPrinter(const DeviceFs& fs, Prompter& prompter, const QImage& picture);

// The program's receipts: PDFs, and a settlement's receipt printed on the belt printer at once
// when the properties file names one, while the customer is still there. Without a printer
// set nothing is printed and nothing is said (the desktop print queue stays for the rest); a
// printer that fails is told, the settlement stands, and the receipt dialog prints again.
class PrintingReceiptWriter : public PdfReceiptWriter {
public:
    explicit PrintingReceiptWriter(Prompter& prompter) : m_prompter(prompter) {}
    void settled(const DeviceFs& fs, const Receipt& receipt,
                 const std::string& devicePath) override;

private:
    Prompter& m_prompter;
};

}  // namespace kelvo
