#pragma once

#include <QObject>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace kelvo {

class CKelvoDoc;

// The product choice of the add product and exchange screens as rows of their form: "Product"
// (the customer's products), "Size" (the sizes of the chosen product), "Template" (the active
// emblem templates), "Fin.Method" (the finishing methods allowed for the product), "Price"
// (only where the configuration shows wearer prices) and "Code" (the chosen product's code).
class ProductFields : public QObject {
    Q_OBJECT
public:
    // The fields, owned by `parent`; the screen adds their rows to its form.
    ProductFields(CKelvoDoc& doc, QWidget* parent);
    // Adds the rows "Product" and "Size".
    void addChoiceRows(QFormLayout* form);
    // Adds the rows "Template", "Fin.Method", "Price" (when shown) and "Code".
    void addDetailRows(QFormLayout* form);

    // The chosen product, size, template and finishing method; 0 for none.
    double productId() const;
    double sizeId() const;
    double templateId() const;
    double methodId() const;
    // The price as typed.
    QString price() const;

    // Chooses these (an identifier that is not offered leaves its field empty).
    void choose(double PID, double SID, double TID, double FID, double price);
    // Empties every field.
    void clear();

signals:
    // A choice or the price changed.
    void changed();

private:
    void productChosen();

    CKelvoDoc& m_doc;
    QComboBox* m_product = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_template = nullptr;
    QComboBox* m_method = nullptr;
    QLineEdit* m_price = nullptr;
    QLabel* m_code = nullptr;
};

}  // namespace kelvo
