#include "daygen/Writers.h"

#include "daygen/MasterData.h"
#include "daygen/XmlText.h"

namespace daygen {

void addReferenceLists(FileSet& files) {
    {
        XmlText x("AdjReasons");
        const char* groups[] = {"UndeliverableReason", "InventoryAdjReason", "LossChargeReason",
                                "BillingAdjReason", "OrderingReason"};
        for (const auto& r : kAdjReasons) {
            x.open("AdjReason");
            x.leaf("ReasonCode", r.Code);
            x.leaf("ReasonDescription", r.Description);
            for (int g = 0; g < 5; ++g)
                x.leaf(groups[g], std::string(1, r.Groups[g]));
            x.close();
        }
        files["AdjReason.xml"] = x.finish();
    }
    {
        XmlText x("ContactCategories");
        for (const auto& c : kContactCategories) {
            x.open("ContactCategory");
            x.leaf("Code", c.Code);
            x.leaf("Description", c.Text);
            x.close();
        }
        files["ContactCategory.xml"] = x.finish();
    }
    {
        XmlText x("FinishingMethods");
        for (const auto& f : kFinishingMethods) {
            x.open("FinishingMethod");
            x.leaf("ID", f.ID);
            x.leaf("Desc", f.Description);
            x.close();
        }
        files["FinishingMethods.xml"] = x.finish();
    }
    {
        XmlText x("Flags");
        for (const auto& f : kFlags) {
            x.open("Flag");
            x.leaf("FlagID", f.ID);
            x.leaf("Description", f.Description);
            x.close();
        }
        files["Flags.xml"] = x.finish();
    }
    {
        XmlText x("Frequencies");
        for (const auto& f : kFrequencies) {
            x.open("Frequency");
            x.leaf("code", f.Code);
            x.leaf("desc", f.Text);
            x.close();
        }
        files["Frequency.xml"] = x.finish();
    }
    {
        XmlText x("Products");
        for (const auto& p : kProducts) {
            x.open("Product");
            x.leaf("ProductID", p.ProductID);
            x.leaf("Code", p.Code);
            x.leaf("Description", p.Description);
            if (!p.Sizes.empty()) {
                x.open("Sizes");
                for (const auto& s : p.Sizes) {
                    x.open("Size");
                    x.leaf("Code", s.Code);
                    x.leaf("SizeID", s.SizeID);
                    x.close();
                }
                x.close();
            }
            x.close();
        }
        files["Products.xml"] = x.finish();
    }
    {
        XmlText x("Trucks");
        for (const char* t : kTrucks)
            x.leaf("Truck", t);
        files["Trucks.xml"] = x.finish();
    }
    {
        XmlText x("Flatgoodproducts");
        for (const auto& g : kFlatGroups) {
            x.open("productgroup");
            x.leaf("pgdesc", g.Description);
            x.open("products");
            for (const auto& p : g.Products) {
                x.open("product");
                x.leaf("pcode", p.Code);
                x.leaf("pdesc", p.Description);
                x.open("prices");
                for (std::size_t i = 0; i < kFrequencies.size(); ++i) {
                    x.open("productprice");
                    x.leaf("price", format("%.2f", unitPrice(p.Prices[i])));
                    x.leaf("fcode", kFrequencies[i].Code);
                    x.close();
                }
                x.close();
                x.close();
            }
            x.close();
            x.close();
        }
        files["Flatgoodproducts.xml"] = x.finish();
    }
}

namespace {

// The inventory transaction file in the handheld's own fixed layout: two tabs before each
// transaction, three before its fields, whole numbers without decimals, prices with the
// configuration's two decimals.
std::string transactionFile(const std::vector<Transaction>& transactions) {
    std::string x = "<Transactions>";
    auto text = [&x](const char* tag, const std::string& value) {
        x += format("\r\n\t\t\t<%s>%s</%s>", tag, esc(value).c_str(), tag);
    };
    auto number = [&x](const char* tag, int value, int tabs) {
        x += "\r\n" + std::string(static_cast<std::size_t>(tabs), '\t');
        x += format("<%s>%d</%s>", tag, value, tag);
    };
    for (const Transaction& t : transactions) {
        x += "\r\n\t\t<Transaction>";
        number("Code", t.Code, 3);
        text("ReasonCode", t.ReasonCode);
        text("Ref", t.Ref);
        text("Rem", t.Rem);
        text("WID", t.WID);
        number("Nr", t.Nr, 3);
        text("FName", t.FName);
        text("FirstName", t.FirstName);
        text("EmblemName", t.EmblemName);
        text("Admin", t.Admin);
        number("Dpt", t.Dpt, 3);
        number("Fun", t.Fun, 3);
        number("LockID", t.LockID, 3);
        text("Bank", t.Bank);
        text("Lock", t.Lock);
        text("WearerRem", t.WearerRem);
        x += "\r\n\t\t\t<Inventory>";
        for (const TransactionLine& l : t.Lines) {
            x += "\r\n\t\t\t\t<Product>";
            number("PID", l.PID, 5);
            number("SID", l.SID, 5);
            number("FID", l.FID, 5);
            number("Qty", l.Qty, 5);
            number("Chg", l.Chg, 5);
            number("TID", l.TID, 5);
            x += format("\r\n\t\t\t\t\t<Price>%.2f</Price>", unitPrice(l.Price));
            number("OrgPID", l.OrgPID, 5);
            number("OrgSID", l.OrgSID, 5);
            x += "\r\n\t\t\t\t</Product>";
        }
        x += "\r\n\t\t\t</Inventory>";
        x += "\r\n\t\t</Transaction>";
    }
    return x + "\r\n</Transactions>";
}

}  // namespace

void addCustomerLists(FileSet& files, const WearerCustomer& c) {
    const std::string id = format("%.0f", static_cast<double>(c.CustID));
    {
        XmlText x("Departments");
        for (const auto& d : kDepartments) {
            x.open("Department");
            x.leaf("DeptID", d.ID);
            x.leaf("Description", d.Description);
            x.leaf("Active", std::string(1, d.Active));
            x.close();
        }
        files["Department_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("EmblemTemplates");
        for (const auto& e : kEmblemTemplates) {
            x.open("EmblemTemplate");
            x.leaf("EmblemTemplateID", e.ID);
            x.leaf("Description", e.Description);
            x.leaf("Active", std::string(1, e.Active));
            x.close();
        }
        files["EmblemTemplate_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Functions");
        for (const auto& f : kFunctions) {
            x.open("Function");
            x.leaf("FunctionID", f.ID);
            x.leaf("Description", f.Description);
            x.close();
        }
        files["Function_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Lockers");
        for (const auto& l : c.Lockers) {
            x.open("Locker");
            x.leaf("LockerID", l.LockerID);
            x.leaf("Bank", l.Bank);
            x.leaf("Locker", l.Locker);
            x.close();
        }
        files["Locker_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("CustomerProducts");
        for (const auto& cp : kProductProfiles[static_cast<std::size_t>(c.Profile)]) {
            x.open("CustomerProduct");
            x.leaf("ProdID", cp.ProdID);
            x.open("FinMethods");
            for (const int f : cp.FinMethods)
                x.leaf("FinMethod", f);
            x.close();
            x.close();
        }
        files["CustomerProduct_" + id + ".xml"] = x.finish();
    }
    {
        XmlText x("Wearers");
        for (const auto& w : c.Wearers) {
            x.open("Wearer");
            x.leaf("ID", w.ID);
            x.leaf("Nr", w.Nr);
            x.leaf("FName", w.FName);
            x.leaf("FirstName", w.FirstName);
            x.leaf("EmblemName", w.EmblemName);
            x.leaf("Admin", w.Admin);
            x.leaf("Dpt", w.Dpt);
            x.leaf("Fun", w.Fun);
            x.leaf("LockID", w.LockID);
            x.leaf("Bank", w.Bank);
            x.leaf("Lock", w.Lock);
            x.leaf("Active", std::string(1, w.Active));
            x.open("Inventory");
            for (const auto& p : w.Inventory) {
                x.open("Product");
                x.leaf("PID", p.PID);
                x.leaf("SID", p.SID);
                x.leaf("FID", p.FID);
                x.leaf("Qty", p.Qty);
                x.leaf("Chg", p.Chg);
                x.leaf("TID", p.TID);
                x.leaf("Price", format("%.2f", unitPrice(p.Price)));
                x.close();
            }
            x.close();
            x.close();
        }
        files["Wearer_" + id + ".xml"] = x.finish();
    }
    if (!c.Transactions.empty())
        files["InventoryTransaction_" + id + ".xml"] = transactionFile(c.Transactions);
}

}  // namespace daygen
