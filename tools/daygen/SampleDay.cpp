#include "daygen/Days.h"

#include "daygen/Builders.h"
#include "daygen/InvoiceBuilder.h"
#include "daygen/MasterData.h"
#include "daygen/Rng.h"

namespace daygen {

// ---------------------------------------------------------------------------------------------
// The sample day: two routes of ten stops, hand-picked so that every case the screens and files
// know about occurs at least once.

Day sampleDay() {
    Day day;
    Rng rng(20061205);

    day.WearerCustomers.push_back(makeWearerCustomer(20117, 0,
                                                     {{"Tom", "Becker"},
                                                      {"Luis", "Alvarez"},
                                                      {"Nina", "Park"},
                                                      {"Jim", "O'Brien"},
                                                      {"Sam", "Keller"},
                                                      {"Ray", "Dunn"}},
                                                     {30, 5, 12, 7, 21, 3}, {3}, rng));
    day.WearerCustomers.push_back(makeWearerCustomer(20388, 1,
                                                     {{"Carlos", "Mendes"},
                                                      {"Pete", "Harlan"},
                                                      {"Anna", "Novak"},
                                                      {"Joe", "Fisher"},
                                                      {"Ken", "Ito"},
                                                      {"Bill", "Yates"}},
                                                     {14, 2, 9, 6, 11, 1}, {1}, rng));
    day.WearerCustomers.push_back(makeWearerCustomer(30214, 2,
                                                     {{"Maria", "Lopez"},
                                                      {"Greg", "Hunt"},
                                                      {"Dana", "White"},
                                                      {"Ivan", "Petrov"},
                                                      {"Lisa", "Chen"},
                                                      {"Mark", "Stone"},
                                                      {"Omar", "Farah"}},
                                                     {104, 101, 110, 103, 102, 108, 105}, {5},
                                                     rng));

    // Route 101, Tuesday 5 December 2006.
    Route r1;
    r1.ID = "RT101-20061205";
    r1.Date = "20061205";
    r1.RouteNumber = 101;
    r1.Description = "Harbor & Downtown";
    {
        const std::string d = r1.Date;

        // 1: charge customer with wearers, mats counted by the driver, one call.
        Stop s = makeStop(r1, 1,
                          customer(20117, 4711, "Harbor Marine Repair", "1200 Pier Road",
                                   "Building C", "Port Ellis", "CA", "94510", "Frank Moreno",
                                   "(707) 555-0141", "(707) 555-0198"));
        s.DeliveryInstructions = "Use the side gate on Pier Road.\r\nGarments go to locker room A.";
        s.DrivingInstructions = "From Harbor Blvd turn right at the crane & follow the fence.";
        s.LockerManagement = 'Y';
        s.SatisfactionSurvey = 'Y';
        setAging(s, 41237, 12050, 0, 0, 0, "20061120", "CHK 10452", 39810);
        s.ContactPersons = {{1, "Frank Moreno", "Shop manager"},
                            {2, "Julie Chang", "Accounts payable"},
                            {4, "Ed Sorensen", "Safety officer"}};
        addCall(r1, s, 2, "INV", 2,
                "Asks for a copy of the November statement.\r\nMail it to the office.");
        InvoiceBuilder b(100101, d, 'N', true);
        allWearerLines(b, wearerCustomer(day, 20117), true);
        b.flatRent("MT35", "1W", 3, 4, true, true);
        b.wash("TWSH", "1W", 150, 850);  // contract price below the catalogue's
        attach(day, s, b.finish(true, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 2: COD restaurant with a minimum invoice amount.
        Stop s =
            makeStop(r1, 2,
                     customer(20245, 5120, "Rosa's Kitchen & Grill", "88 Main Street", "",
                              "Port Ellis", "CA", "94510", "Rosa Delgado", "(707) 555-0122", ""));
        s.DeliveryInstructions = "Kitchen door only, never through the dining room.";
        s.SignatureRequired = 'Y';
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 3870);
        s.ContactPersons = {{1, "Rosa Delgado", "Owner"}, {3, "Mike Tran", "Head chef"}};
        InvoiceBuilder b(100102, r1.Date, 'Y', true);
        b.wash("TWBR", "1W", 60);
        b.wash("APBB", "1W", 12);
        b.sale("HSOAP", 1);
        attach(day, s, b.finish(false, Cents{4000}, true));
        r1.Stops.push_back(s);
    }
    {
        // 3: charge customer with wearers and a second, COD invoice for a replaced jacket.
        Stop s = makeStop(
            r1, 3,
            customer(20388, 3307, "Pacific Auto Body", "455 Industrial Way", "Unit 4", "Port Ellis",
                     "CA", "94512", "Gary Lindqvist", "(707) 555-0175", "(707) 555-0176"));
        s.DrivingInstructions = "Second driveway after the car wash.\r\nLow roof: max 11 ft.";
        s.LockerManagement = 'Y';
        setAging(s, 28814, 9920, 4410, 0, 0, "20061101", "CHK 2231", 27550);
        s.ContactPersons = {{1, "Gary Lindqvist", "Owner"}, {2, "Tina Ruiz", "Office"}};
        const WearerCustomer& wc = wearerCustomer(day, 20388);
        InvoiceBuilder b(100103, r1.Date, 'N', true);
        allWearerLines(b, wc, true);
        b.wash("TWSH", "1W", 200);
        b.sale("ABSRB", 2);
        attach(day, s, b.finish(true, std::nullopt, true));
        const Wearer& w = wc.Wearers.front();
        InvoiceBuilder lost(100104, r1.Date, 'Y', true);
        lost.garmentSale(w, WearerProduct{105, 3, 1, 1, 1, 1, 0}, 489500);
        attach(day, s, lost.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 4: charge customer whose invoice is lifted to its minimum amount.
        Stop s = makeStop(
            r1, 4,
            customer(20402, 6021, "Bayview Dental Clinic", "17 Bay Street", "Suite 200",
                     "Port Ellis", "CA", "94510", "Dr. Helen Okafor", "(707) 555-0110", ""));
        s.DeliveryInstructions = "Lab coats to room 2 (door code <4471>).";
        setAging(s, 6150, 0, 0, 0, 1500, "20061128", "ACH 88120", 6150);
        s.ContactPersons = {{1, "Helen Okafor", "Practice owner"}};
        InvoiceBuilder b(100105, r1.Date, 'N', true);
        b.flatRent("MT46", "2W", 1, 0, false, false);
        b.wash("TWBA", "1W", 40);
        attach(day, s, b.finish(false, Cents{5000}, true));
        r1.Stops.push_back(s);
    }
    {
        // 5: a visit without invoices (counts as settled), two open calls, three contacts.
        Stop s =
            makeStop(r1, 5,
                     customer(20519, 2290, "Seaside Hotel", "1 Ocean Drive", "", "Port Ellis", "CA",
                              "94511", "Karen Wills", "(707) 555-0100", "(707) 555-0109"));
        s.DeliveryInstructions = "Visit only: talk to housekeeping about the new linen contract.";
        s.DrivingInstructions = "Staff parking behind the hotel, entrance on Shell Lane.";
        s.SatisfactionSurvey = 'Y';
        s.SignatureRequired = 'N';
        setAging(s, 0, 0, 0, 0, 0, "", "", 0);
        s.ContactPersons = {{1, "Karen Wills", "Housekeeping manager"},
                            {2, "Paul Grant", "General manager"},
                            {5, "Amy Cole", "Purchasing"}};
        addCall(r1, s, 1, "SAL", 1, "Interested in bath towels & pool towels, 300 a week.");
        addCall(r1, s, 5, "CMP", 3, "Three torn sheets in last delivery.",
                "Credit promised by customer service.");
        r1.Stops.push_back(s);
    }
    {
        // 6: COD bakery; the aprons are counted by the driver.
        Stop s =
            makeStop(r1, 6,
                     customer(20633, 7415, "Golden Crust Bakery", "230 Mill Street", "",
                              "Port Ellis", "CA", "94510", "Hans Vogel", "(707) 555-0163", ""));
        s.DeliveryInstructions = "Before 6:00 only, bakery closes the back door at 6.";
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 5267);
        s.ContactPersons = {{1, "Hans Vogel", "Owner"}};
        InvoiceBuilder b(100106, r1.Date, 'Y', true);
        b.flatRent("MTAF", "1W", 2, 2, false, false);
        b.flatRent("APWA", "2X", 20, 20, true, false);
        b.sale("SANIT", 3);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        // 7: tax-exempt charge customer with an older invoice re-sent: the invoice numbers
        // 100107 and 99874 are kept in text order, so 100107 comes first.
        Stop s = makeStop(r1, 7,
                          customer(20741, 1188, "Northgate School District", "900 School Road",
                                   "Maintenance Dept.", "Northgate", "CA", "94520", "Bob Jensen",
                                   "(707) 555-0190", "(707) 555-0191"));
        s.DrivingInstructions = "Buses leave at 7:45 - wait at the gym until they are gone.";
        s.SignatureRequired = 'Y';
        setAging(s, 21460, 21460, 19875, 8200, 0, "20061015", "WARR 556021", 19875);
        s.ContactPersons = {{2, "Bob Jensen", "Facilities"}, {3, "Lori Banks", "Business office"}};
        InvoiceBuilder b(100107, r1.Date, 'N', false);
        b.flatRent("MPDU", "1W", 12, 0, false, false);
        b.wash("MPWT", "1W", 20);
        b.flatRent("MTLG", "4W", 2, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, false));
        InvoiceBuilder old(99874, "20061128", 'N', false);
        old.flatRent("MPDU", "1W", 12, 0, false, false);
        old.wash("MPWT", "1W", 18);
        attach(day, s, old.finish(false, std::nullopt, false));
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 8,
                     customer(20856, 8032, "Metro Print & Copy", "61 Commerce Drive", "",
                              "Port Ellis", "CA", "94512", "Wendy Shah", "(707) 555-0133", ""));
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CHK 771", 3322);
        InvoiceBuilder b(100108, r1.Date, 'Y', true);
        b.wash("TWSH", "1W", 100);
        b.flatRent("MT35", "1W", 1, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 9,
                     customer(20962, 4460, "Riverside Brewery", "3 Levee Road", "", "Port Ellis",
                              "CA", "94513", "Jon Eriksen", "(707) 555-0150", "(707) 555-0151"));
        s.DeliveryInstructions = "Ring at the loading dock; forklift traffic!";
        setAging(s, 18840, 0, 0, 0, 0, "20061125", "CHK 9034", 17215);
        s.ContactPersons = {{1, "Jon Eriksen", "Brewmaster"}};
        InvoiceBuilder b(100109, r1.Date, 'N', true);
        b.flatRent("MTLG", "1W", 2, 0, false, true);
        b.flatRent("MTAF", "1W", 4, 4, false, true);
        b.wash("TWSH", "1W", 250);
        attach(day, s, b.finish(true, Cents{3000}, true));  // minimum below the lines: 0.00
        r1.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r1, 10,
                     customer(21078, 9301, "Quick Lube Express", "710 Airport Road", "",
                              "Port Ellis", "CA", "94510", "Dwayne Price", "(707) 555-0184", ""));
        s.SignatureRequired = 'N';
        setAging(s, 0, 0, 0, 0, 0, "20061128", "CASH", 4811);
        InvoiceBuilder b(100110, r1.Date, 'Y', true);
        b.wash("TWSH", "1W", 300);
        b.sale("ABSRB", 1);
        attach(day, s, b.finish(false, std::nullopt, true));
        r1.Stops.push_back(s);
    }

    // Route 102, Wednesday 6 December 2006.
    Route r2;
    r2.ID = "RT102-20061206";
    r2.Date = "20061206";
    r2.RouteNumber = 102;
    r2.Description = "Industrial Park North";
    {
        Stop s =
            makeStop(r2, 1,
                     customer(30105, 2817, "Westfield Plastics", "40 Polymer Court", "",
                              "Northgate", "CA", "94521", "Irene Kovacs", "(707) 555-0211", ""));
        setAging(s, 15530, 0, 0, 0, 0, "20061129", "CHK 6610", 15530);
        s.ContactPersons = {{1, "Irene Kovacs", "Plant manager"}};
        InvoiceBuilder b(100201, r2.Date, 'N', true);
        b.flatRent("MT46", "1W", 4, 4, false, true);
        b.wash("TWSH", "1W", 400);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        // 2: charge customer with wearers and a follow-up call.
        Stop s = makeStop(r2, 2,
                          customer(30214, 3350, "Eastfield Manufacturing", "2500 Foundry Road",
                                   "Gate 3", "Northgate", "CA", "94521", "Steve Marsh",
                                   "(707) 555-0230", "(707) 555-0239"));
        s.DeliveryInstructions =
            "Check in at security (badge needed).\r\nUniforms to the laundry cage in hall 2.";
        s.DrivingInstructions = "Trucks use gate 3 on Foundry Road, not the main entrance.";
        s.LockerManagement = 'Y';
        s.SatisfactionSurvey = 'Y';
        setAging(s, 52110, 31280, 0, 0, 2500, "20061117", "ACH 90311", 48930);
        s.ContactPersons = {{1, "Steve Marsh", "HR manager"},
                            {2, "Kim Albrecht", "Purchasing"},
                            {3, "Tony Russo", "Shift supervisor"}};
        addCall(r2, s, 3, "SRV", 2, "Two new lab coats size L for the quality lab.");
        InvoiceBuilder b(100202, r2.Date, 'N', true);
        allWearerLines(b, wearerCustomer(day, 30214), true);
        b.flatRent("MTAF", "1W", 6, 6, true, true);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s = makeStop(r2, 3,
                          customer(30322, 5567, "Corner Cafe", "5 Station Road", "", "Northgate",
                                   "CA", "94520", "Ella Brooks", "(707) 555-0245", ""));
        s.DeliveryInstructions = "Back alley entrance.\r\nIf closed call:\r\n(707) 555-0246";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 3500);
        s.ContactPersons = {{1, "Ella Brooks", "Owner"}};
        InvoiceBuilder b(100203, r2.Date, 'Y', true);
        b.wash("TWBR", "1W", 30);
        b.wash("APWA", "1W", 8);
        attach(day, s, b.finish(false, Cents{4000}, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 4,
                     customer(30431, 6678, "Summit Medical Lab", "77 Research Parkway", "Lab B",
                              "Northgate", "CA", "94522", "Priya Nair", "(707) 555-0252", ""));
        setAging(s, 9870, 0, 0, 0, 0, "20061129", "ACH 90377", 9870);
        InvoiceBuilder b(100204, r2.Date, 'N', true);
        b.wash("TWBA", "1W", 120);
        b.flatRent("MT35", "1W", 2, 0, false, true);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        // 5: two COD invoices at one stop.
        Stop s = makeStop(
            r2, 5,
            customer(30540, 7781, "Lakeside Marina", "12 Lake Shore Drive", "", "Northgate", "CA",
                     "94523", "Rick Hale", "(707) 555-0260", "(707) 555-0261"));
        s.DrivingInstructions = "Gravel road after the boat ramp; keep left.";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 7240);
        s.ContactPersons = {{1, "Rick Hale", "Harbor master"}};
        InvoiceBuilder b(100205, r2.Date, 'Y', true);
        b.wash("TWSH", "1W", 120);
        attach(day, s, b.finish(false, std::nullopt, true));
        InvoiceBuilder sales(100206, r2.Date, 'Y', true);
        sales.sale("ABSRB", 2);
        sales.sale("HSOAP", 1);
        attach(day, s, sales.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 6,
                     customer(30659, 1023, "Parkview Senior Living", "400 Park Avenue", "",
                              "Northgate", "CA", "94520", "Martha Quinn", "(707) 555-0270", ""));
        s.DeliveryInstructions = "Quiet please: residents rest until 8:00.";
        s.SatisfactionSurvey = 'Y';
        setAging(s, 34400, 17200, 0, 0, 0, "20061110", "CHK 40021", 17200);
        s.ContactPersons = {{1, "Martha Quinn", "Administrator"}, {2, "Joe Reyes", "Maintenance"}};
        InvoiceBuilder b(100207, r2.Date, 'N', false);
        b.wash("TWBA", "2X", 200);
        b.flatRent("MT46", "1W", 3, 0, false, false);
        attach(day, s, b.finish(false, std::nullopt, false));
        r2.Stops.push_back(s);
    }
    {
        // 7: a charge invoice and a COD invoice at the same stop.
        Stop s =
            makeStop(r2, 7,
                     customer(30768, 8890, "Tri-County Towing", "95 Salvage Lane", "", "Northgate",
                              "CA", "94523", "Vic Ortega", "(707) 555-0288", "(707) 555-0289"));
        s.DrivingInstructions = "Dogs in the yard: honk and wait.";
        setAging(s, 11200, 5600, 5600, 2800, 0, "20061006", "CHK 1187", 5600);
        s.ContactPersons = {{1, "Vic Ortega", "Owner"}, {2, "Sue Ortega", "Bookkeeper"}};
        InvoiceBuilder b(100208, r2.Date, 'N', true);
        b.wash("TWSH", "1W", 150);
        b.flatRent("MT35", "1W", 2, 2, false, true);
        attach(day, s, b.finish(true, Cents{3000}, true));
        InvoiceBuilder cod(100209, r2.Date, 'Y', true);
        cod.sale("AIRFR", 4);
        attach(day, s, cod.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s = makeStop(r2, 8,
                          customer(30877, 4120, "Fresh Market Deli", "18 Station Road", "",
                                   "Northgate", "CA", "94520", "Gina Russo", "(707) 555-0293", ""));
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CASH", 2915);
        InvoiceBuilder b(100210, r2.Date, 'Y', true);
        b.wash("APBB", "1W", 15);
        b.wash("TWBR", "1W", 25);
        b.sale("SANIT", 2);
        attach(day, s, b.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 9,
                     customer(30986, 2299, "Ironworks Fabrication", "3100 Foundry Road", "Shop 1",
                              "Northgate", "CA", "94521", "Hal Brenner", "(707) 555-0301", ""));
        setAging(s, 22980, 0, 0, 0, 0, "20061122", "CHK 3301", 20115);
        s.ContactPersons = {{1, "Hal Brenner", "Foreman"}};
        InvoiceBuilder b(100211, r2.Date, 'N', true);
        b.wash("TWSH", "1W", 500);
        b.flatRent("MTAF", "1W", 3, 0, false, true);
        b.sale("ABSRB", 3);
        attach(day, s, b.finish(true, std::nullopt, true));
        r2.Stops.push_back(s);
    }
    {
        Stop s =
            makeStop(r2, 10,
                     customer(31095, 6601, "Hilltop Veterinary", "250 Ridge Road", "", "Northgate",
                              "CA", "94524", "Dr. Sara Lind", "(707) 555-0315", ""));
        s.DeliveryInstructions = "Use the staff door; animals in the waiting room.";
        setAging(s, 0, 0, 0, 0, 0, "20061129", "CHK 512", 4410);
        s.ContactPersons = {{1, "Sara Lind", "Veterinarian"}};
        InvoiceBuilder b(100212, r2.Date, 'Y', true);
        b.wash("TWBA", "1W", 60);
        b.wash("TWSH", "1W", 50);
        attach(day, s, b.finish(false, std::nullopt, true));
        r2.Stops.push_back(s);
    }

    day.Routes.push_back(std::move(r1));
    day.Routes.push_back(std::move(r2));
    for (auto& r : day.Routes)
        normalise(r);
    return day;
}

}  // namespace daygen
