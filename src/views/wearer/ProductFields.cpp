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

// Index of the first item whose id is `id`; -1 when none.
template <class Record, class Field>
int indexOf(const std::vector<const Record*>& records, Field Record::*field, double id) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i]->*field == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <class Record, class Field>
double idAt(const std::vector<const Record*>& records, Field Record::*field, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < records.size() ? records[index]->*field
                                                                          : 0;
}

}  // namespace

ProductFields::ProductFields(CKelvoDoc& doc, QWidget* parent)
    : QObject(parent),
      m_doc(doc),
      m_products(customerProducts(doc)),
      m_templates(doc.WearerData().EmblemTemplates.Active()) {
    m_product = choiceBox(false, parent);
    for (const CProduct* p : m_products) {
        m_product->addItem(fromData(p->Description));
    }
    m_size = choiceBox(false, parent);
    m_template = choiceBox(false, parent);
    for (const CEmblemTmp* t : m_templates) {
        m_template->addItem(fromData(t->Description));
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
    const int i = m_product->currentIndex();
    const CProduct* product =
        i >= 0 && static_cast<std::size_t>(i) < m_products.size() ? m_products[i] : nullptr;
    m_size->clear();
    m_method->clear();
    m_methods.clear();
    if (product) {
        for (const CProductSize& s : product->Sizes) {
            m_size->addItem(fromData(s.Code));
        }
        m_methods = finishingMethodsFor(m_doc, product->ProductID);
        for (const CFinishingMethod* m : m_methods) {
            m_method->addItem(fromData(m->Desc));
        }
    }
    m_size->setCurrentIndex(-1);
    m_method->setCurrentIndex(-1);
    m_code->setText(product ? fromData(product->Code) : QString());
    emit changed();
}

double ProductFields::productId() const {
    return idAt(m_products, &CProduct::ProductID, m_product->currentIndex());
}

double ProductFields::sizeId() const {
    const int p = m_product->currentIndex();
    const int s = m_size->currentIndex();
    if (p < 0 || s < 0) {
        return 0;
    }
    const std::vector<CProductSize>& sizes = m_products[p]->Sizes;
    return static_cast<std::size_t>(s) < sizes.size() ? sizes[s].SizeID : 0;
}

double ProductFields::templateId() const {
    return idAt(m_templates, &CEmblemTmp::EmblemTemplateID, m_template->currentIndex());
}

double ProductFields::methodId() const {
    return idAt(m_methods, &CFinishingMethod::ID, m_method->currentIndex());
}

QString ProductFields::price() const {
    return m_price ? m_price->text() : QString();
}

bool ProductFields::complete() const {
    return m_product->currentIndex() >= 0 && m_size->currentIndex() >= 0;
}

void ProductFields::choose(double PID, double SID, double TID, double FID, double price) {
    m_product->setCurrentIndex(indexOf(m_products, &CProduct::ProductID, PID));
    const int p = m_product->currentIndex();
    if (p >= 0) {
        int size = -1;
        for (std::size_t s = 0; s < m_products[p]->Sizes.size(); ++s) {
            if (m_products[p]->Sizes[s].SizeID == SID) {
                size = static_cast<int>(s);
                break;
            }
        }
        m_size->setCurrentIndex(size);
    }
    m_template->setCurrentIndex(indexOf(m_templates, &CEmblemTmp::EmblemTemplateID, TID));
    m_method->setCurrentIndex(indexOf(m_methods, &CFinishingMethod::ID, FID));
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
