// The pin code editor: the range's numbers with their pins, "Set pin" for
// the selected number, a refused pin leaving list and file as they were.

#include "alarmconfig/ui/ConferencePinsDialog.h"
#include "tests/common/TempSite.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace kx::ui {

class ConferencePinsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void setsThePinOfTheSelectedNumber()
    {
        test::TempSite site;
        test::RecordingMessageBoxes boxes;
        const std::string config = "[Config]\r\nFirstConferenceNbr=5\r\nLastConferenceNbr=7\r\n";
        site.write("windows/kxaconfpool.ini", config + "[PinCodes]\r\n5=1234\r\n");
        alarmconfig::ConferencePins pins;
        pins.load();
        ConferencePinsDialog dialog(pins, nullptr);
        auto* list = dialog.findChild<QTreeWidget*>("pins");
        auto* pin = dialog.findChild<QLineEdit*>("pin");
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(pin->text(), QStringLiteral("1234"));  // the first number is selected

        list->setCurrentItem(list->topLevelItem(2));
        pin->setText("1234");
        QTest::mouseClick(dialog.findChild<QPushButton*>("setPin"), Qt::LeftButton);
        QCOMPARE(boxes.texts().size(), std::size_t(1));
        pin->setText("77");
        QTest::mouseClick(dialog.findChild<QPushButton*>("setPin"), Qt::LeftButton);
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("0077"));
        QCOMPARE(list->currentItem(), list->topLevelItem(2));
        QCOMPARE(site.read("windows/kxaconfpool.ini"), config + "[PinCodes]\r\n5=1234\r\n7=0077\r\n");
    }
};

}  // namespace kx::ui

QTEST_MAIN(kx::ui::ConferencePinsDialogTest)
#include "ConferencePinsDialogTest.moc"
