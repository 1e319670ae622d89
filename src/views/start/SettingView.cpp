#include "views/start/SettingView.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "doc/KelvoDoc.h"
#include "doc/StorageSettings.h"

namespace kelvo {

CSettingView::CSettingView(CKelvoDoc& doc, QWidget* parent)
    : FormView(doc, screen::Settings, parent) {
    setTitle(tr("Memory Location"));
    auto* label = new QLabel(tr("&Data folder:"), this);
    label->setObjectName(QStringLiteral("labelDataFolder"));
    m_places = new QComboBox(this);
    m_places->setObjectName(QStringLiteral("1216"));
    m_places->setMinimumHeight(kButtonHeight);
    label->setBuddy(m_places);
    body()->addWidget(label);
    body()->addWidget(m_places);
    body()->addStretch(1);
    addButton(QStringLiteral("->"), 1219, cmd::SettingsOk);
    addButton(tr("Cancel"), 1220, cmd::SettingsCancel);
}

void CSettingView::initialUpdate() {
    for (const std::string& place : storagePlaces(doc().Fs())) {
        m_places->addItem(fromData(place));
    }
    const std::string& location = doc().StorageLocation();
    const int current = location.empty() ? 0 : m_places->findText(fromData(location));
    m_places->setCurrentIndex(std::max(current, 0));
}

CommandOutcome CSettingView::handleCommand(CommandId id) {
    if (id == cmd::SettingsOk && !changeStorageLocation(doc(), toData(m_places->currentText()))) {
        return CommandOutcome::stay();
    }
    return CommandOutcome::proceed();
}

}  // namespace kelvo
