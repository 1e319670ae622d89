#include "views/invoice/ReceiptDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "common/DeviceFs.h"
#include "doc/BeltPrinter.h"
#include "doc/KelvoDoc.h"
#include "doc/Receipt.h"
#include "ui/BeltPrinterPage.h"
#include "ui/FormView.h"

namespace kelvo {

namespace {

// The page at a width in device pixels, its length in proportion.
QImage renderPage(QPdfDocument& pdf, int width) {
    const QSizeF points = pdf.pagePointSize(0);
    if (points.isEmpty() || width <= 0) {
        return {};
    }
    const int height = qRound(points.height() * width / points.width());
    QImage page = pdf.render(0, QSize(width, height));
    if (!page.isNull()) {
        // The page is transparent where nothing is printed: show it on white paper.
        QImage paper(page.size(), QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter(&paper).drawImage(0, 0, page);
        page = paper;
    }
    return page;
}

}  // namespace

ReceiptDialog::ReceiptDialog(CKelvoDoc& doc, const QString& pdfPath, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_pdf(new QPdfDocument(this)) {
    setObjectName(QStringLiteral("receiptDialog"));
    setWindowTitle(tr("Receipt"));
    setMaximumWidth(240);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("receiptPage"));
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(false);
    layout->addWidget(m_scroll, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_belt = buttons->addButton(tr("&Belt Printer"), QDialogButtonBox::ActionRole);
    m_belt->setObjectName(QStringLiteral("beltPrint"));
    m_print = buttons->addButton(tr("&Print"), QDialogButtonBox::ActionRole);
    m_print->setObjectName(QStringLiteral("print"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {m_belt, m_print, close}) {
        b->setMinimumHeight(FormView::kButtonHeight);
        b->setAutoDefault(false);
    }
    connect(m_belt, &QPushButton::clicked, this, &ReceiptDialog::printOnBelt);
    connect(m_print, &QPushButton::clicked, this, &ReceiptDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (m_pdf->load(pdfPath) != QPdfDocument::Error::None || m_pdf->pageCount() < 1) {
        m_belt->setEnabled(false);
        m_print->setEnabled(false);
        return;
    }
    // The paper's width is the screen's: the page shows at its own size, sharp at any scale.
    const int width = 240 - 2 * 4 - m_scroll->verticalScrollBar()->sizeHint().width() - 4;
    const qreal ratio = devicePixelRatioF();
    m_page = renderPage(*m_pdf, qRound(width * ratio));
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("receiptImage"));
    QPixmap pixmap = QPixmap::fromImage(m_page);
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
    label->resize(pixmap.deviceIndependentSize().toSize());
    m_scroll->setWidget(label);
    // Printing needs a printer that is set up.
    m_belt->setEnabled(beltPrinterSet(doc.Fs()));
    m_print->setEnabled(!QPrinterInfo::availablePrinterNames().isEmpty());
    resize(240, 320);
}

ReceiptDialog::~ReceiptDialog() = default;

void showReceipt(CKelvoDoc& doc, double invoiceNumber, QWidget* parent) {
    const std::string path = receiptPath(invoiceNumber);
    const auto host = doc.Fs().hostPath(path);
    if (!host || !doc.Fs().isFile(path)) {
        reportReceiptUnreadable(doc.Prompt(), path);
        return;
    }
    ReceiptDialog dialog(doc, QString::fromStdString(host->string()), parent);
    if (!dialog.isOpen()) {
        reportReceiptUnreadable(doc.Prompt(), path);
        return;
    }
    dialog.exec();
}

void ReceiptDialog::printOnBelt() {
    // The receipt stays open whatever the printer does, so that it can be printed again.
    printPictureOnBeltPrinter(m_doc.Fs(), m_doc.Prompt(), beltPrinterPicture(*m_pdf));
}

void ReceiptDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF points = m_pdf->pagePointSize(0);
    // The page as it was written, made smaller where the printer's paper is narrower or
    // shorter.
    int width = std::min(area.width(), qRound(points.width() * printer.resolution() / 72));
    if (width * points.height() / points.width() > area.height()) {
        width = qRound(area.height() * points.width() / points.height());
    }
    const QImage page = renderPage(*m_pdf, width);
    QPainter painter(&printer);
    painter.drawImage(QPointF(0, 0), page);
}

}  // namespace kelvo
