#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/bidding/CBiddingDeal.h"
#include "core/bidding/CBiddingList.h"

class QDialog;
class QTableView;
class QWidget;

// A bidding session of Ann (North) and Bob (South) with deals A1, A2 ... Every deal has the
// same four hands, turned one seat further round on each board. On board 1 East overcalls
// in hearts and West raises them, from their seat texts as a PBN file's tags bring them.
std::unique_ptr<CBiddingList> MakeSession(int deals);
CBiddingDeal* DealAt(CBiddingList& session, int index);

// Answers the next Edit Comment dialog: first runs on it, then the text is typed over the old
// one, then OK or Cancel.
// The returned string gets the text the dialog showed, and stays "<no dialog>" if none came
// within two seconds (a loaded machine is slow to open it).
std::shared_ptr<QString> AnswerEditComment(const QString& typed, bool ok = true,
                                           const std::function<void(QDialog*)>& first = {});

// Right-clicks a grid cell; returns the texts of the menu shown (none: empty), after choosing
// its first item or closing it.
QStringList MenuAt(QTableView& grid, QPoint point, bool choose);

// Whether the widget shows exactly the picture, on the window's background.
bool ShowsPicture(QWidget* widget, unsigned pictureId);
