#include "views/start/KelvoView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "doc/KelvoDoc.h"
#include "doc/StartCheck.h"

namespace kelvo {

CKelvoView::CKelvoView(CKelvoDoc& doc, QWidget* parent) : FormView(doc, screen::Start, parent) {
    setTitle(tr("Start Screen"));
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(makeLabel(tr("Version:"), 1013, this));
    m_version = makeLabel(QString(), 1004, this);
    m_version->setFont(labelFont(14, true));
    versionRow->addWidget(m_version, 1);
    body()->addLayout(versionRow);
    body()->addSpacing(16);
    for (auto [label, id] : {std::pair{&m_name, 1017}, {&m_address, 1018}, {&m_city, 1019}}) {
        *label = makeLabel(QString(), id, this);
        (*label)->setAlignment(Qt::AlignHCenter);
        (*label)->setWordWrap(true);
        body()->addWidget(*label);
    }
    body()->addStretch(1);

    addButton(QStringLiteral("*"), 1022, cmd::Settings);
    addButton(QStringLiteral("->"), 1023, cmd::Start);
}

void CKelvoView::initialUpdate() {
    prepareDevice(doc());
    openStorage(doc());
    if (loadConfiguration(doc())) {
        fillLabels();
    } else {
        showNoDataMessage(doc());
    }
}

void CKelvoView::fillLabels() {
    const ConfigData& c = doc().Config();
    m_version->setText(QString::fromLatin1(kAppVersion));
    m_name->setText(fromData(c.PlantName()));
    m_address->setText(fromData(c.PlantAddress()));
    m_city->setText(fromData(c.PlantCity() + " " + c.PlantState() + " " + c.PlantZip()));
}

bool CKelvoView::startDataCheck() {
    const bool ready = kelvo::startDataCheck(doc());
    fillLabels();
    return ready;
}

CommandOutcome CKelvoView::handleCommand(CommandId id) {
    if (id == cmd::Start) {
        return startDataCheck() ? CommandOutcome::proceed() : CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
