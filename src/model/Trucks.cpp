#include "model/Trucks.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CTruck readTruck(const XmlElement& e) {
    CTruck r;
    r.Code = e.ownText();
    return r;
}

}  // namespace

CTrucks::CTrucks() : RecordList("Trucks.xml", &readTruck) {}

}  // namespace kelvo
