#pragma once

class CDeal;
class QPainter;
class QWidget;

// Draws a picture into the dialog beside or inside one of its controls (found by id): mode 0
// with its top-left corner at (x, y) from the control's top-left corner, mode 1 centred in
// the control. The picture's transparent pixels leave the dialog's background visible. scale
// enlarges the picture and its offset with a dialog that was enlarged.
void DrawTransparentBitmap(QPainter& painter, const QWidget& dialog, unsigned bitmapId,
                           unsigned controlId, int mode, int x, int y, double scale = 1.0);

// The deal's pictures on the bidding dialog: a suit symbol 30 pixels left of each holding
// and the vulnerability in the centre square, in colour or plain.
void PaintDialogPictures(QPainter& painter, const QWidget& dialog, CDeal& deal, bool colour,
                         double scale = 1.0);
