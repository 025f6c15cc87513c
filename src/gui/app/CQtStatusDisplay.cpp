#include "gui/app/CQtStatusDisplay.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>

#include "gui/common/QtText.h"

CQtStatusDisplay::CQtStatusDisplay(QStatusBar* statusBar)
    : m_statusBar(statusBar),
      m_message(new QLabel(statusBar)),
      m_progress(new QProgressBar(statusBar)) {
    m_message->setObjectName(QStringLiteral("messagePane"));
    m_message->setTextFormat(Qt::PlainText);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    // Ten times as wide as the pane is tall, as long operations have always shown it.
    m_progress->setFixedWidth(10 * statusBar->fontMetrics().height());
    m_progress->setMaximumHeight(statusBar->fontMetrics().height());
    m_progress->hide();
    // The bar follows the end of the text, so the pane is as wide as its text.
    statusBar->addWidget(m_message);
    statusBar->addWidget(m_progress);
}

CQtStatusDisplay::~CQtStatusDisplay() {
    while (m_waitDepth > 0) {
        EndWaitCursor();
    }
}

void CQtStatusDisplay::BeginWaitCursor() {
    ++m_waitDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtStatusDisplay::EndWaitCursor() {
    if (m_waitDepth > 0) {
        --m_waitDepth;
        QApplication::restoreOverrideCursor();
    }
}

std::string CQtStatusDisplay::GetStatusText() const {
    return ToBytes(m_message->text());
}

void CQtStatusDisplay::SetStatusText(const std::string& text) {
    if (m_statusBar != nullptr) {
        m_statusBar->clearMessage();  // a menu prompt would hide the operation's text
    }
    m_message->setText(FromBytes(text));
    PaintNow();
}

void CQtStatusDisplay::ShowProgressBar() {
    m_progress->setValue(0);
    m_progress->show();
    PaintNow();
}

void CQtStatusDisplay::SetProgressPercent(int percent) {
    m_progress->setValue(percent);
    PaintNow();
}

void CQtStatusDisplay::HideProgressBar() {
    m_progress->hide();
}

void CQtStatusDisplay::PaintNow() {
    if (m_statusBar != nullptr && m_statusBar->isVisible()) {
        if (QLayout* layout = m_statusBar->layout()) {
            layout->activate();  // the pane's new width, without waiting for the event loop
        }
        m_statusBar->repaint();
    }
}
