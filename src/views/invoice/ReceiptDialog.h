#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QPdfDocument;
class QPushButton;
class QScrollArea;

namespace kelvo {

class CKelvoDoc;

// Shows the receipt of a settled invoice from the receipts folder; says so when its file is
// missing or cannot be read.
void showReceipt(CKelvoDoc& doc, double invoiceNumber, QWidget* parent);

// "Receipt": the page of a settled invoice's receipt PDF as the customer got it, to scroll
// through and to print: on the belt printer the properties file names, or through the print
// dialog where a desktop printer is set up.
class ReceiptDialog : public QDialog {
    Q_OBJECT
public:
    // The PDF at this host path; isOpen() tells whether it could be read. The document gives
    // the belt printer's setting and shows what keeps the printer from printing.
    ReceiptDialog(CKelvoDoc& doc, const QString& pdfPath, QWidget* parent = nullptr);
    ~ReceiptDialog() override;

    // True when the PDF was read and its page is shown.
    bool isOpen() const { return !m_page.isNull(); }
    // The page as shown.
    const QImage& page() const { return m_page; }

private:
    void print();
    void printOnBelt();

    CKelvoDoc& m_doc;
    QPdfDocument* m_pdf = nullptr;
    QImage m_page;
    QScrollArea* m_scroll = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_belt = nullptr;
};

}  // namespace kelvo
