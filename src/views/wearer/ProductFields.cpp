#include "views/wearer/ProductFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/Text.h"
#include "doc/AddWearerOps.h"
#include "doc/KelvoDoc.h"
#include "ui/FormView.h"
#include "views/wearer/WearerFields.h"

namespace kelvo {

namespace {

// The identifier the box's chosen item carries; 0 with none chosen.
double chosenId(const QComboBox* box) {
    return box->currentData().toDouble();
}

// Chooses the first item that carries the identifier; none when no item does.
void chooseId(QComboBox* box, double id) {
    box->setCurrentIndex(box->findData(id));
}

}  // namespace

// Each item carries its record's identifier as item data.
ProductFields::ProductFields(CKelvoDoc& doc, QWidget* parent) : QObject(parent), m_doc(doc) {
    m_product = choiceBox(false, parent);
    for (const CProduct* p : customerProducts(doc)) {
        m_product->addItem(fromData(p->Description), p->ProductID);
    }
    m_size = choiceBox(false, parent);
    m_template = choiceBox(false, parent);
    for (const CEmblemTmp* t : doc.WearerData().EmblemTemplates.Active()) {
        m_template->addItem(fromData(t->Description), t->EmblemTemplateID);
    }
    m_method = choiceBox(false, parent);
    if (doc.Config().ShowsWearerPrices()) {
        m_price = priceEdit(doc, parent);
        connect(m_price, &QLineEdit::textChanged, this, &ProductFields::changed);
    }
    m_code = new QLabel(parent);
    m_code->setTextFormat(Qt::PlainText);
    m_code->setFont(labelFont(12, true));
    connect(m_product, &QComboBox::currentIndexChanged, this, &ProductFields::productChosen);
    connect(m_size, &QComboBox::currentIndexChanged, this, &ProductFields::changed);
    connect(m_template, &QComboBox::currentIndexChanged, this, &ProductFields::changed);
    connect(m_method, &QComboBox::currentIndexChanged, this, &ProductFields::changed);
    clear();
}

void ProductFields::addChoiceRows(QFormLayout* form) {
    addField(form, tr("Product"), m_product, QStringLiteral("product"));
    addField(form, tr("Size"), m_size, QStringLiteral("size"));
}

void ProductFields::addDetailRows(QFormLayout* form) {
    addField(form, tr("Template"), m_template, QStringLiteral("template"));
    addField(form, tr("Fin.Method"), m_method, QStringLiteral("finishingMethod"));
    if (m_price) {
        addField(form, tr("Price"), m_price, QStringLiteral("price"));
    }
    addField(form, tr("Code"), m_code, QStringLiteral("productCode"));
}

void ProductFields::productChosen() {
    const CProduct* product =
        m_product->currentIndex() < 0
            ? nullptr
            : m_doc.WearerData().Products.FindBy(&CProduct::ProductID, chosenId(m_product));
    m_size->clear();
    m_method->clear();
    if (product) {
        for (const CProductSize& s : product->Sizes) {
            m_size->addItem(fromData(s.Code), s.SizeID);
        }
        for (const CFinishingMethod* m : finishingMethodsFor(m_doc, product->ProductID)) {
            m_method->addItem(fromData(m->Desc), m->ID);
        }
    }
    m_size->setCurrentIndex(-1);
    m_method->setCurrentIndex(-1);
    m_code->setText(product ? fromData(product->Code) : QString());
    emit changed();
}

double ProductFields::productId() const {
    return chosenId(m_product);
}

double ProductFields::sizeId() const {
    return chosenId(m_size);
}

double ProductFields::templateId() const {
    return chosenId(m_template);
}

double ProductFields::methodId() const {
    return chosenId(m_method);
}

QString ProductFields::price() const {
    return m_price ? m_price->text() : QString();
}

void ProductFields::choose(double PID, double SID, double TID, double FID, double price) {
    chooseId(m_product, PID);
    if (m_product->currentIndex() >= 0) {
        chooseId(m_size, SID);
    }
    chooseId(m_template, TID);
    chooseId(m_method, FID);
    if (m_price) {
        m_price->setText(fromData(formatPrice(price, m_doc.Config().PriceDecimals())));
    }
}

void ProductFields::clear() {
    m_product->setCurrentIndex(-1);
    productChosen();
    m_template->setCurrentIndex(-1);
    if (m_price) {
        m_price->clear();
    }
}

}  // namespace kelvo
