#include "TableHelpers.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "core/deals/Seats.h"
#include "gui/images/Pictures.h"
#include "gui/table/CEditCommentDialog.h"
#include "gui/table/DialogIds.h"

std::unique_ptr<CBiddingList> MakeSession(int deals) {
    // Spades, hearts, diamonds, clubs for West, North, East, South.
    static const char* const kHands[4][4] = {
        {"852", "T73", "T863", "T74"},
        {"KQ94", "A5", "KJ72", "Q83"},
        {"7", "KQJ962", "A94", "K62"},
        {"AJT63", "84", "Q5", "AJ95"},
    };
    auto session = std::make_unique<CBiddingList>();
    session->SetName("Monday");
    session->SetNorthName("Ann");
    session->SetSouthName("Bob");
    for (int board = 1; board <= deals; ++board) {
        auto* deal = new CBiddingDeal();
        deal->SetName("A" + std::to_string(board));
        for (int seat = 0; seat < kSeatCount; ++seat) {
            for (int suit = 0; suit < kSuitCount; ++suit) {
                deal->SetSuitText((seat + board - 1) % kSeatCount, suit, kHands[seat][suit], true);
            }
        }
        deal->SetSeatText(SEAT_EAST, "East bids hearts", true);
        deal->SetSeatText(SEAT_WEST, "West supports hearts", true);
        deal->SetSeatText(SEAT_NORTH, "Opens 1D, then shows spades", true);
        deal->SetSeatText(SEAT_SOUTH, "Five spades, 12 points", true);
        deal->AppendTo(session.get(), true);
    }
    return session;
}

CBiddingDeal* DealAt(CBiddingList& session, int index) {
    return dynamic_cast<CBiddingDeal*>(session.GetChildAt(index));
}

std::shared_ptr<QString> AnswerEditComment(const QString& typed, bool ok,
                                           const std::function<void(QDialog*)>& first) {
    auto seen = std::make_shared<QString>(QStringLiteral("<no dialog>"));
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<CEditCommentDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*tries < 200) {
            return;  // a menu may come first
        }
        timer->stop();
        timer->deleteLater();
        if (dialog != nullptr) {
            if (first) {
                first(dialog);
            }
            auto* edit = dialog->findChild<QPlainTextEdit*>(ControlName(IDC_COMMENT));
            *seen = edit->toPlainText();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed);
            const unsigned button = ok ? IDOK : IDCANCEL;
            QTest::mouseClick(dialog->findChild<QPushButton*>(ControlName(button)), Qt::LeftButton);
        }
    });
    timer->start(10);
    return seen;
}

QStringList MenuAt(QTableView& grid, QPoint point, bool choose) {
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                items << action->text();
            }
            if (choose) {
                menu->setActiveAction(menu->actions().first());
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, grid.viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid.viewport(), &event);
    QApplication::processEvents();
    return items;
}

bool ShowsPicture(QWidget* widget, unsigned pictureId) {
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage expected(shown.size(), QImage::Format_ARGB32);
    expected.fill(widget->palette().window().color());
    QPainter(&expected).drawPixmap(0, 0, PaintPicture(pictureId, shown.devicePixelRatio()));
    return shown == expected;
}
