// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/case_names.h"
#include "windows/qt_platform.h"

#include <QAccessible>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxTest, CarriesTheTitleAndIconAndIsAnnouncedAsAnAlertReadingItsPlainText)
{
    const auto box =
        windows::makeMessageBox(nullptr, QStringLiteral("<b>name</b>"), windows::MessageIcon::Error, QMessageBox::Ok);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(windows::makeMessageBox(nullptr, QString(), windows::MessageIcon::Information, QMessageBox::Ok)->icon(),
              QMessageBox::Information);
    const auto question =
        windows::makeMessageBox(nullptr, QString(), windows::MessageIcon::Warning, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->icon(), QMessageBox::Warning);
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));

    box->show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box.get());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::AlertMessage);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Zelto Cartomancy"));
    QStringList texts;
    for (int i = 0; i < face->childCount(); ++i)
        texts << face->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(texts.contains(QStringLiteral("<b>name</b>")));
}

// The window manager draws the title with an icon and buttons beside it; a box only as wide as its message cuts
// the title short.
TEST(MessageBoxTest, ShortMessages_LeaveRoomForTheWholeTitleBesideTheTitleBarButtons)
{
    for (const char* message : {"Please Select Spread", "Please Enter Your Name", "Please Enter Correct Date Or Month!",
                                "Application is already running"}) {
        const auto box = windows::makeMessageBox(nullptr, QString::fromLatin1(message), windows::MessageIcon::Error,
                                                 QMessageBox::Ok);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        EXPECT_GE(box->width(), metrics.horizontalAdvance(box->windowTitle()) + 7 * metrics.height()) << message;
    }
}

struct SaveCase {
    const char* name;
    std::unique_ptr<QFileDialog> (*make)(QWidget*);
    const char* typed;
    const char* chosen;
};

const SaveCase kSaves[] = {
    {"ReportWithoutExtension", windows::makeReportSaveDialog, "my reading", "my reading.doc"},
    {"ReportAsRtf", windows::makeReportSaveDialog, "my reading.rtf", "my reading.rtf"},
    {"PdfWithoutExtension", windows::makePdfSaveDialog, "my reading", "my reading.pdf"},
};

class SaveDialogTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveDialogTest, NameWithoutExtensionGetsTheDialogsOwnAndReplacingAsksFirst)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::unique_ptr<QFileDialog> dialog = GetParam().make(nullptr);
    dialog->setDirectory(folder.path());
    dialog->selectFile(QString::fromLatin1(GetParam().typed));
    EXPECT_EQ(dialog->selectedFiles().value(0), folder.filePath(QString::fromLatin1(GetParam().chosen)));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, SaveDialogTest, testing::ValuesIn(kSaves), testing_support::namedCases);

// The dialogs above keep their history in the configuration folder; no test may write the runner's own.
TEST(TestEnvironmentTest, EveryFolderThatQtWritesLiesInTheTestsOwnHome)
{
    const QString home = QStringLiteral(ZELTO_TEST_HOME);
    for (const auto location :
         {QStandardPaths::HomeLocation, QStandardPaths::GenericConfigLocation, QStandardPaths::GenericDataLocation,
          QStandardPaths::GenericCacheLocation, QStandardPaths::RuntimeLocation})
        EXPECT_TRUE(QStandardPaths::writableLocation(location).startsWith(home))
            << QStandardPaths::writableLocation(location).toStdString();
}

TEST(InputBlockingWaitTest, ClicksAndKeysDuringThePauseHaveNoEffectThenOrLater)
{
    QPushButton button(QStringLiteral("Pick"));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicks(&button, &QPushButton::clicked);
    bool pokedDuringPause = false;
    QTimer::singleShot(0, &button, [&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_Space);
        pokedDuringPause = true;
    });

    windows::InputBlockingWait().wait(50);
    QCoreApplication::processEvents();

    EXPECT_TRUE(pokedDuringPause);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(InputBlockingWaitTest, WidgetsKeepPaintingDuringThePause)
{
    class PaintCounter final : public QWidget {
    public:
        int paints = 0;

    protected:
        void paintEvent(QPaintEvent*) override { ++paints; }
    } widget;
    widget.resize(50, 50);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    const int before = widget.paints;
    QTimer::singleShot(0, &widget, [&] { widget.update(); });

    windows::InputBlockingWait().wait(50);

    EXPECT_GT(widget.paints, before);
}

} // namespace
