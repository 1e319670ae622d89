#include "ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/ConfigData.h"

namespace kelvo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Kelvo"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Kelvo"), this));
    auto* version = new QLabel(QString::fromLatin1(kAppVersion), this);
    version->setObjectName(QStringLiteral("1201"));
    layout->addWidget(version);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace kelvo
