#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/PictureControl.h"
#include "resources/ResourceIds.h"
#include "shell/LexamoInfo.h"
#include "shell/LexamoVersion.h"
#include "shell/Website.h"
#include "tests/platform/ModalRun.h"
#include "tests/platform/ProbeDialog.h"

namespace {

TEST(LexamoInfo, ShowsTheVersionOfThisBuild)
{
    EXPECT_EQ(LexamoVersionText().rfind("3.0.", 0), 0u) << LexamoVersionText();

    LexamoInfo box;
    RunModal(box, [&] {
        EXPECT_EQ(box.ControlAs<QLabel>(LexamoInfo::VersionLabel)->text().toStdString(),
                  "Lexamo Version " + LexamoVersionText());
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Info über Lexamo..."));
        PictureControl* icon = nullptr;
        for (QWidget* control : box.Controls()) {
            if (!icon)
                icon = dynamic_cast<PictureControl*>(control);
        }
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->Picture(), Resource::AppIcon);
        EXPECT_EQ(box.focusWidget(), box.Control(IdCancel));
        box.EndDialog(IdCancel);
    });
}

// "&OK" has the Cancel id: the button, Enter, Escape and the close box all
// end the box the same way, and the window it came from is as it was.
TEST(LexamoInfo, FourWaysToCloseIt)
{
    struct Case {
        const char* Way;
        std::function<void(LexamoInfo&)> Act;
    };
    const Case cases[] = {
        {"OK button", [](LexamoInfo& b) { b.ControlAs<QPushButton>(IdCancel)->click(); }},
        {"Enter", [](LexamoInfo& b) { QTest::keyClick(b.focusWidget(), Qt::Key_Return); }},
        {"Escape", [](LexamoInfo& b) { QTest::keyClick(b.focusWidget(), Qt::Key_Escape); }},
        {"close box", [](LexamoInfo& b) { b.close(); }},
    };
    Application app;
    for (const Case& c : cases) {
        probe::Dialog owner;
        app.SetMainWindow(&owner);
        RunModal(owner, [&] {
            LexamoInfo box;
            EXPECT_EQ(RunModal(box, [&] {
                          EXPECT_EQ(box.parentWidget(), &owner) << c.Way;
                          c.Act(box);
                      }),
                      IdCancel)
                << c.Way;
            EXPECT_TRUE(owner.IsWindowOpen()) << c.Way;
            EXPECT_EQ(app.MainWindow(), &owner) << c.Way;
            owner.EndDialog(IdCancel);
        });
    }
}

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl& url) { Opened.push_back(url); }
};

TEST(OpenWebsite, OpensTheMakersHomePage)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "Open");
    OpenWebsite();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(recorder.Opened.size(), 1);
    EXPECT_EQ(recorder.Opened.front(), QUrl(QStringLiteral("https://www.vandrel.de/")));
}

}  // namespace

#include "LexamoInfoTest.moc"
