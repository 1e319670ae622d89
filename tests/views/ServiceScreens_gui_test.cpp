#include <gtest/gtest.h>

#include <QApplication>
#include <QAudioDevice>
#include <QComboBox>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "frame/MainFrame.h"
#include "frame/ViewFactory.h"
#include "support/SampleStop.h"
#include "ui/FormView.h"

using namespace kelvo;
using kelvo::test::elementText;

namespace {

// The frame with the real screens at stop 1 of the sample day (customer 20117), arrived.
class ServiceScreens : public ::testing::Test, protected test::StopDocument {
protected:
    void open(int screenIndex) {
        test::workAtStop(dev, doc, 0);
        frame = std::make_unique<CMainFrame>(doc, [](int n, CKelvoDoc& d) -> FormView* {
            FormView* view = createView(n, d);
            return view ? view : new FormView(d, n);
        });
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        ASSERT_TRUE(frame->showScreen(screenIndex));
    }
    template <class W>
    W* find(const char* name) const {
        W* w = frame->currentView()->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // What a keyboard, or a scanner that acts as one, types: into whatever has the focus.
    static void typeKeys(const char* keys) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys));
    }
    static void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ServiceScreens, ScannerStoresCodeAfterCodeWithoutATouch) {
    open(screen::Scan);
    auto* code = find<QLineEdit>("idCode");
    EXPECT_EQ(QApplication::focusWidget(), code);
    EXPECT_FALSE(find<QPushButton>("store")->isEnabled());
    typeKeys("00a1b2c3");
    pressEnter();
    typeKeys("00A1B2C4");
    pressEnter();
    // A code of a wrong length is refused and stays for correction, the focus with it.
    typeKeys("00A1");
    pressEnter();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Only ID Codes with lengths: 8, 10 are valid!");
    EXPECT_EQ(code->text(), QStringLiteral("00A1"));
    EXPECT_EQ(QApplication::focusWidget(), code);
    code->clear();
    // After a change of mode the next code goes into the code field again.
    find<QPushButton>("replaceMode")->click();
    EXPECT_EQ(QApplication::focusWidget(), code);
    typeKeys("00A1B2C3D4");
    pressEnter();

    const std::string flags = dev.read("\\VexXml\\GarmentFlags_20117.xml");
    EXPECT_NE(flags.find("<ID>00A1B2C3</ID>"), std::string::npos);
    EXPECT_NE(flags.find("<ID>00A1B2C4</ID>"), std::string::npos);
    EXPECT_EQ(elementText(dev.read("\\VexXml\\GarmentsToReplace_20117.xml"), "ID"), "00A1B2C3D4");
    EXPECT_TRUE(code->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), code);
}

TEST_F(ServiceScreens, CallIsSavedWhenNoMicrophoneCanRecordIt) {
    if (!QMediaDevices::audioInputs().isEmpty()) {
        GTEST_SKIP() << "this machine has a microphone";
    }
    open(screen::Contact);
    frame->currentView()->findChild<QPushButton*>(QStringLiteral("newCall"))->click();
    find<QPushButton>("voiceRecorder")->click();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text,
              "No microphone was found, so no voice message can be recorded. The call can still "
              "be saved.");
    EXPECT_EQ(prompter.shown()[0].caption, "Voice Message");
    find<QPlainTextEdit>("callNotes")->setPlainText(QStringLiteral("Call back on Friday"));
    find<QPushButton>("saveCall")->click();
    const std::string call = dev.read("\\VexXml\\Call_200612050101000100000000471102.xml");
    EXPECT_EQ(elementText(call, "Notes"), "Call back on Friday");
    EXPECT_FALSE(dev.exists("\\VexXml\\Call_200612050101000100000000471102.wav"));
}

// A catalogue price is checked as a typed one: beyond 9999.99 it gets the message and is cut
// back, instead of being offered for saving.
TEST_F(ServiceScreens, ACataloguePriceIsCheckedAsATypedOne) {
    open(screen::Start);
    const std::string catalogue = dev.read("\\VexXml\\Flatgoodproducts.xml");
    dev.put("\\VexXml\\Flatgoodproducts.xml",
            replaceAll(catalogue, "<price>4.50</price>", "<price>12345.678</price>"));
    ASSERT_TRUE(frame->showScreen(screen::AddNewService));
    auto* group = find<QComboBox>("serviceGroup");
    group->setCurrentIndex(0);
    emit group->activated(0);
    auto* product = find<QComboBox>("serviceProduct");
    product->setCurrentIndex(0);  // the entrance mat 3x5, weekly
    emit product->activated(0);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].text, "Price is too big, maximal price is 9999.99!");
    EXPECT_EQ(prompter.shown()[0].caption, "Invalid data");
    EXPECT_EQ(find<QLineEdit>("servicePrice")->text(), QStringLiteral("1234.68"));
}

}  // namespace
