#include "ui/ReceiptPdf.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include "common/DeviceFs.h"
#include "doc/DayRecap.h"
#include "doc/Receipt.h"
#include "ui/FormView.h"
#include "ui/PaperColumn.h"

namespace kelvo {

namespace {

using P = PaperColumn;

// Room for the signature: the signature control's picture is about twice as wide as high.
constexpr qreal kSignatureHeight = 70;

}  // namespace

void layoutReceipt(PaperColumn& paper, const Receipt& r, const QImage& signature) {
    for (std::size_t i = 0; i < r.Plant.size(); ++i) {
        paper.text(fromData(r.Plant[i]), i == 0 ? P::font(11, true) : P::font(8), Qt::AlignHCenter);
    }
    paper.rule();
    paper.pair(fromData(r.Invoice), fromData(r.Terms), P::font(10, true));
    paper.text(fromData(r.Date), P::font(8));
    paper.rule();
    for (std::size_t i = 0; i < r.Customer.size(); ++i) {
        paper.text(fromData(r.Customer[i]), P::font(i == 0 ? 9 : 8, i == 0));
    }
    paper.text(fromData(r.Stop), P::font(8));
    paper.rule();

    // Each line takes two rows: what it is, then its quantities and amounts.
    const std::vector<qreal> top{0.32, 0.68};
    const std::vector<qreal> bottom{0.2, 0.2, 0.2, 0.2, 0.2};
    const std::vector<Qt::Alignment> left{Qt::AlignLeft, Qt::AlignLeft};
    const std::vector<Qt::Alignment> right(5, Qt::AlignRight);
    paper.cells({fromData(r.Heads[0]), fromData(r.Heads[1])}, top, left, P::font(7, true));
    paper.cells({QString(), fromData(r.Heads[2]), fromData(r.Heads[3]), fromData(r.Heads[4]),
                 fromData(r.Heads[5])},
                bottom, right, P::font(7, true));
    paper.space(2);
    for (const auto& line : r.Lines) {
        paper.cells({fromData(line[0]), fromData(line[1])}, top, left, P::font(7));
        paper.cells(
            {QString(), fromData(line[2]), fromData(line[3]), fromData(line[4]), fromData(line[5])},
            bottom, right, P::font(7));
    }
    paper.rule();
    for (std::size_t i = 0; i < r.Totals.size(); ++i) {
        const bool strong = i + 2 >= r.Totals.size();  // to pay, and collected
        paper.pair(fromData(r.Totals[i].first), fromData(r.Totals[i].second), P::font(9, strong));
    }
    paper.text(fromData(r.PaidBy), P::font(9));
    if (!r.Delayed.empty()) {
        paper.space(2);
        paper.text(fromData(r.Delayed), P::font(14, true), Qt::AlignHCenter);
    }
    paper.space(6);
    if (!r.SignaturePicture.empty()) {
        paper.picture(signature, kSignatureHeight);
    }
    paper.text(fromData(r.SignedBy), P::font(9));
    paper.rule();
    paper.text(fromData(r.SettledAt), P::font(8), Qt::AlignHCenter);
}

bool writeReceiptPdf(const DeviceFs& fs, const Receipt& receipt, const std::string& devicePath) {
    QImage signature;
    if (!receipt.SignaturePicture.empty()) {
        if (const auto host = fs.hostPath(receipt.SignaturePicture)) {
            signature.load(QString::fromStdString(host->string()));
        }
    }
    return writePaperPdf(fs, devicePath,
                         [&](PaperColumn& paper) { layoutReceipt(paper, receipt, signature); });
}

void layoutRecap(PaperColumn& paper, const std::vector<std::string>& heading,
                 const std::vector<RecapRow>& rows) {
    for (std::size_t i = 0; i < heading.size(); ++i) {
        paper.text(fromData(heading[i]), i == 1 ? P::font(12, true) : P::font(8), Qt::AlignHCenter);
    }
    for (const RecapRow& row : rows) {
        switch (row.kind) {
            case RecapRow::Kind::Heading:
                paper.rule();
                paper.text(fromData(row.label), P::font(10, true));
                break;
            case RecapRow::Kind::Figure:
                paper.pair(fromData(row.label), fromData(row.value), P::font(8));
                break;
            case RecapRow::Kind::Detail:
                paper.pair(
                    QStringLiteral("    ") + fromDataLines(row.label).replace(
                                                 QLatin1Char('\n'), QStringLiteral("\n    ")),
                    fromData(row.value), P::font(7));
                break;
        }
    }
}

bool writeRecapPdf(const DeviceFs& fs, const std::vector<std::string>& heading,
                   const std::vector<RecapRow>& rows, const std::string& devicePath) {
    return writePaperPdf(fs, devicePath,
                         [&](PaperColumn& paper) { layoutRecap(paper, heading, rows); });
}

}  // namespace kelvo
