#include "ui/CheckInPdf.h"

#include "common/Text.h"
#include "common/Translate.h"
#include "doc/CheckInReport.h"
#include "ui/FormView.h"
#include "ui/PaperColumn.h"

namespace kelvo {

namespace {

using P = PaperColumn;
using K = SheetBlock::Kind;

constexpr qreal kMargin = 36;  // half an inch

std::vector<QString> texts(const std::vector<std::string>& cells) {
    std::vector<QString> out;
    for (const std::string& c : cells) {
        out.push_back(fromData(c));
    }
    return out;
}

void layoutTable(PaperColumn& paper, const SheetBlock& t) {
    const std::vector<qreal> shares(t.widths.begin(), t.widths.end());
    std::vector<Qt::Alignment> aligns;
    for (std::size_t i = 0; i < t.heads.size(); ++i) {
        aligns.push_back(i < t.right.size() && t.right[i] ? Qt::AlignRight : Qt::AlignLeft);
    }
    // A table's heads stay with its first rows.
    paper.keep(3 * P::font(8).pixelSize() + 15);
    paper.space(3);
    paper.wrappedCells(texts(t.heads), shares, aligns, P::font(8, true));
    paper.rule();
    for (const auto& row : t.rows) {
        paper.wrappedCells(texts(row), shares, aligns, P::font(8));
    }
    if (!t.total.empty()) {
        paper.rule();
        paper.wrappedCells(texts(t.total), shares, aligns, P::font(8, true));
    }
    paper.space(6);
}

}  // namespace

void layoutCheckIn(PaperColumn& paper, const std::vector<SheetBlock>& sheet) {
    for (const SheetBlock& b : sheet) {
        switch (b.kind) {
            case K::Title:
                paper.text(fromData(b.text), P::font(15, true));
                paper.space(4);
                break;
            case K::Heading:
                paper.keep(80);
                paper.space(12);
                paper.text(fromData(b.text), P::font(13, true));
                paper.rule();
                break;
            case K::Subheading:
                paper.keep(50);
                paper.space(6);
                paper.text(fromData(b.text), P::font(10, true));
                paper.space(2);
                break;
            case K::Line:
                paper.text(fromData(b.text), P::font(9));
                break;
            case K::Table:
                layoutTable(paper, b);
                break;
            case K::Signature:
                paper.keep(40);
                paper.space(22);
                paper.signatureLine(fromData(b.text), P::font(10));
                break;
        }
    }
}

bool writeCheckInPdf(const QString& file, const std::vector<SheetBlock>& sheet) {
    const QString title = sheet.empty() ? QString() : fromData(sheet.front().text);
    return writeA4Pdf(
        file, kMargin, [&](PaperColumn& paper) { layoutCheckIn(paper, sheet); },
        [&](int page, int pages) {
            return title + QStringLiteral(" - ") +
                   fromData(format(tr("page %d of %d").c_str(), page, pages));
        });
}

}  // namespace kelvo
