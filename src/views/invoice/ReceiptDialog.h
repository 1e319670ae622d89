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
// through and, where a printer is set up, to print through the print dialog.
class ReceiptDialog : public QDialog {
    Q_OBJECT
public:
    // The PDF at this host path; isOpen() tells whether it could be read.
    explicit ReceiptDialog(const QString& pdfPath, QWidget* parent = nullptr);
    ~ReceiptDialog() override;

    // True when the PDF was read and its page is shown.
    bool isOpen() const { return !m_page.isNull(); }
    // The page as shown.
    const QImage& page() const { return m_page; }

private:
    void print();

    QPdfDocument* m_pdf = nullptr;
    QImage m_page;
    QScrollArea* m_scroll = nullptr;
    QPushButton* m_print = nullptr;
};

}  // namespace kelvo
