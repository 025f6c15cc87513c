// The bidding table's building blocks: picture buttons, dialog units, the Edit Comment dialog.

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "grid/DialogFont.h"
#include "images/Pictures.h"
#include "table/CDialogUnits.h"
#include "table/CEditCommentDialog.h"
#include "table/CPictureButton.h"
#include "table/DialogIds.h"

namespace {

QPlainTextEdit* Edit(CEditCommentDialog& dialog) {
    return dialog.findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT));
}
QPushButton* Ok(CEditCommentDialog& dialog) {
    return dialog.findChild<QPushButton*>(ControlName(IDOK));
}

}  // namespace

class TestTableParts : public QObject {
    Q_OBJECT

private slots:
    // Disabled wins over pressed, pressed over focused, focused over normal.
    void PictureButtonFace_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<unsigned>("face");
        const ButtonFaces f = kPassFaces;
        QTest::addRow("normal") << true << false << false << f.normal;
        QTest::addRow("focused") << true << false << true << f.focused;
        QTest::addRow("pressed") << true << true << false << f.pressed;
        QTest::addRow("pressed with focus") << true << true << true << f.pressed;
        QTest::addRow("disabled") << false << false << false << f.disabled;
        QTest::addRow("disabled with focus") << false << false << true << f.disabled;
    }
    void PictureButtonFace() {
        QFETCH(bool, enabled);
        QFETCH(bool, down);
        QFETCH(bool, focused);
        QFETCH(unsigned, face);
        QWidget window;
        auto* other = new QPushButton(&window);
        auto* button = new CPictureButton(kPassFaces, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (focused) {
            button->setFocus();
        } else {
            other->setFocus();
        }
        button->setDown(down);
        button->setEnabled(enabled);
        QCOMPARE(button->size(), QSize(18, 18));
        QCOMPARE(button->CurrentFace(), face);
        // What is on the screen is that face's picture.
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QImage expected(shown.size(), QImage::Format_ARGB32);
        expected.fill(window.palette().window().color());
        {
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, PaintPicture(face, shown.devicePixelRatio()));
        }
        QCOMPARE(shown, expected);
    }

    void PictureButtonClicks() {
        CPictureButton button(BidFaces(3));
        button.show();
        int clicks = 0;
        connect(&button, &QAbstractButton::clicked, [&] { ++clicks; });
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        // Enter presses the focused button itself, not the dialog's default button.
        QTest::keyClick(&button, Qt::Key_Return);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks, 3);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(clicks, 3);
    }

    // Neighbouring rectangles stay flush whatever the rounding, and a layout grows with
    // its font.
    void DialogUnits() {
        const CDialogUnits units(DialogFont());
        for (int x = 0; x < 40; ++x) {
            const QRect left = units.ToPixels(x, x, 7, 3);
            const QRect right = units.ToPixels(x + 7, x + 3, 5, 5);
            QCOMPARE(left.right() + 1, right.left());
            QCOMPARE(left.bottom() + 1, right.top());
        }
        QCOMPARE(units.X(4), units.BaseWidth());
        QCOMPARE(units.Y(8), units.BaseHeight());
        QFont big = DialogFont();
        big.setPointSize(16);
        const CDialogUnits bigUnits(big);
        QVERIFY(bigUnits.X(433) > units.X(433) * 3 / 2);
        QVERIFY(bigUnits.Y(282) > units.Y(282) * 3 / 2);
    }

    // OK is disabled until the first change: opening and pressing OK does nothing.
    void EditCommentOkWaitsForAChange() {
        CEditCommentDialog dialog;
        dialog.SetCommentText(QStringLiteral("Strong\r\nForcing"));
        dialog.show();
        QCOMPARE(Edit(dialog)->toPlainText(), QStringLiteral("Strong\nForcing"));
        QVERIFY(!Ok(dialog)->isEnabled());
        QVERIFY(!dialog.IsChanged());
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Return, Qt::ControlModifier);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.GetCommentText(), QStringLiteral("Strong\r\nForcing"));
    }

    // Enter starts a new line; the note comes back with "\r\n" between its lines.
    void EditCommentEnterAddsALine() {
        CEditCommentDialog dialog;
        dialog.show();
        Edit(dialog)->setFocus();
        QTest::keyClicks(Edit(dialog), QStringLiteral("Shows"));
        QTest::keyClick(Edit(dialog), Qt::Key_Return);
        QTest::keyClicks(Edit(dialog), QStringLiteral("both majors"));
        QVERIFY(dialog.isVisible());
        QVERIFY(Ok(dialog)->isEnabled());
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetCommentText(), QStringLiteral("Shows\r\nboth majors"));
    }

    void EditCommentCleared() {
        CEditCommentDialog dialog;
        dialog.SetCommentText(QStringLiteral("Weak"));
        dialog.show();
        Edit(dialog)->selectAll();
        QTest::keyClick(Edit(dialog), Qt::Key_Delete);
        QTest::mouseClick(Ok(dialog), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.GetCommentText(), QString());
    }

    void EditCommentEscapeDiscards() {
        CEditCommentDialog dialog;
        dialog.SetCommentText(QStringLiteral("Weak"));
        dialog.show();
        QTest::keyClicks(Edit(dialog), QStringLiteral(" two"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.GetCommentText(), QStringLiteral("Weak"));
    }
};

QTEST_MAIN(TestTableParts)
#include "test_table_parts.moc"
