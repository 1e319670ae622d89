#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "support/TempDevice.h"
#include "views/safety/SelectTruckDialog.h"

using namespace kelvo;

namespace {

class SelectTruckDialogTest : public ::testing::Test {
protected:
    SelectTruckDialogTest() : doc(device.fs(), prompter, clock) {
        device.put("\\VexXml\\Safety.xml",
                   "<SafetyChecks>\r\n\t<TruckID>T14</TruckID>\r\n</SafetyChecks>");
        doc.SafetyChecks().SetPath("");
        doc.SafetyChecks().Load(device.fs());
    }

    void trucks(const std::string& records) {
        device.put("\\VexXml\\Trucks.xml", "<Trucks>" + records + "</Trucks>");
        doc.Trucks().SetPath("");
        doc.Trucks().Load(device.fs());
    }

    static QPushButton* ok(SelectTruckDialog& d) {
        return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    }

    test::TempDevice device;
    ScriptedPrompter prompter;
    FixedClock clock;
    CKelvoDoc doc;
};

// The dialog offers the day's trucks and returns the one chosen; the caller hands it to the
// core, so the checklist keeps its truck until then.
TEST_F(SelectTruckDialogTest, ChoosingAnotherTruckReturnsIt) {
    trucks("<Truck>T12</Truck><Truck>T14</Truck><Truck>T21</Truck>");
    SelectTruckDialog dialog(doc);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("1216"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), QStringLiteral("T14"));  // the checklist's truck
    EXPECT_TRUE(ok(dialog)->isEnabled());
    list->setCurrentIndex(2);
    ok(dialog)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.truckCode(), "T21");
    EXPECT_EQ(doc.SafetyChecks().TruckID(), "T14");
}

TEST_F(SelectTruckDialogTest, OneTruckCannotBeConfirmedAndKeepsTheTruckOfTheFile) {
    trucks("<Truck>T12</Truck>");
    SelectTruckDialog dialog(doc);
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("1216"));
    list->setCurrentIndex(0);
    EXPECT_FALSE(ok(dialog)->isEnabled());
    dialog.accept();
    EXPECT_EQ(doc.SafetyChecks().TruckID(), "T14");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SelectTruckDialogTest, CancelChangesNothing) {
    trucks("<Truck>T12</Truck><Truck>T21</Truck>");
    SelectTruckDialog dialog(doc);
    dialog.findChild<QComboBox*>(QStringLiteral("1216"))->setCurrentIndex(1);
    dialog.reject();
    EXPECT_EQ(doc.SafetyChecks().TruckID(), "T14");
}

}  // namespace
