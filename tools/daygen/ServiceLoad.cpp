#include "daygen/ServiceLoad.h"

#include "daygen/Builders.h"
#include "daygen/MasterData.h"

namespace daygen {

namespace {

const Stop* firstStop(const Day& day) {
    if (day.Routes.empty() || day.Routes.front().Stops.empty())
        return nullptr;
    return &day.Routes.front().Stops.front();
}

std::string flagsXml(int count) {
    std::string x = "<GarmentFlags>";
    for (int i = 0; i < count; ++i) {
        const Named& flag = kFlags[static_cast<std::size_t>(i) % kFlags.size()];
        const std::string remark = i % 10 == 3 ? "Sleeve & collar" : format("Visit %d", i % 52);
        x += format(
            "\r\n\t<Garment>\r\n\t\t<ID>%010X</ID>\r\n\t\t<FlagID>%d</FlagID>\r\n\t\t"
            "<Remark>%s</Remark>\r\n\t</Garment>",
            0x0A000000u + 7u * static_cast<unsigned>(i), flag.ID, esc(remark).c_str());
    }
    return x + "\r\n</GarmentFlags>";
}

std::string flatGoodsXml(int count) {
    std::vector<const FlatProduct*> products;
    for (const FlatGroup& g : kFlatGroups)
        for (const FlatProduct& p : g.Products)
            products.push_back(&p);
    std::string x = "<FlatgoodTransactions>";
    for (int i = 0; i < count; ++i) {
        const FlatProduct& p = *products[static_cast<std::size_t>(i) % products.size()];
        const int frequency = i / static_cast<int>(products.size()) + 1;
        x += format(
            "\r\n\t<flatgoodtransaction>\r\n\t\t<Prodcode>%s</Prodcode>\r\n\t\t<Freqcode>"
            "L%03d</Freqcode>\r\n\t\t<Qty>%d</Qty>\r\n\t\t<Price>%.2f</Price>\r\n\t"
            "</flatgoodtransaction>",
            esc(p.Code).c_str(), frequency, 1 + i % 40, unitPrice(p.Prices.front()));
    }
    return x + "\r\n</FlatgoodTransactions>";
}

}  // namespace

void addStopCalls(Day& day, int count) {
    if (count <= 0 || day.Routes.empty() || day.Routes.front().Stops.empty())
        return;
    const Route& route = day.Routes.front();
    Stop& stop = day.Routes.front().Stops.front();
    const unsigned person = stop.ContactPersons.empty() ? 0 : stop.ContactPersons.front().Number;
    for (int i = 0; i < count; ++i) {
        const CodeText& category =
            kContactCategories[static_cast<std::size_t>(i) % kContactCategories.size()];
        addCall(
            route, stop, person, category.Code, 1 + i % 4,
            format("Call %d of the load test.\r\nAsks about the delivery & the invoice.", i + 1),
            i % 3 == 0 ? "Called back." : "");
    }
}

void addServiceFiles(FileSet& files, const Day& day, const ServiceLoad& load) {
    const Stop* stop = firstStop(day);
    if (!stop)
        return;
    const std::string customer = std::to_string(stop->Cust.CustID);
    if (load.Flags > 0)
        files["GarmentFlags_" + customer + ".xml"] = flagsXml(load.Flags);
    if (load.FlatGoods > 0)
        files["FlatGoodTransactions_" + customer + ".xml"] = flatGoodsXml(load.FlatGoods);
}

}  // namespace daygen
