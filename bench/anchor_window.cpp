// The document window on a large document: opening it until its tree is shown and painted,
// then opening the session's node until it is painted, with the memory the window took per
// deal. Prints one line per figure for scripts/bench-anchors.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>

#include "core/items/CDesktop.h"
#include "core/items/CLorvaneDoc.h"
#include "core/items/CTreeItem.h"
#include "gui/app/CGuiDocument.h"
#include "gui/app/CLorvaneView.h"

namespace {
// The process's resident memory in KB.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void Paint(QWidget& widget) {
    widget.show();
    widget.repaint();
    QApplication::processEvents();
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: anchor_window DOC.lv\n");
        return 1;
    }
    {
        // Qt's first window sets up fonts and styles once; that is not the document's cost.
        QWidget warmUp;
        Paint(warmUp);
    }
    const long before = ResidentKb();
    auto start = std::chrono::steady_clock::now();
    CGuiDocument document;
    document.OnOpenDocument(QString::fromLocal8Bit(argv[1]));
    CLorvaneView view(&document);
    view.resize(600, 800);
    view.OnInitialUpdate();
    Paint(view);
    const double open = SecondsSince(start);
    const long opened = ResidentKb();

    auto* session = dynamic_cast<CTreeItem*>(document.Doc().GetDesktop()->GetChildAt(0));
    int deals = 0;
    double expand = 0;
    if (session != nullptr) {
        deals = session->GetChildCount();
        start = std::chrono::steady_clock::now();
        session->Expand(true, false);
        Paint(view);
        expand = SecondsSince(start);
    }
    const long expanded = ResidentKb();
    std::printf("window open      %7.3f s   %d deals, %ld bytes a deal\n", open, deals,
                deals > 0 ? (opened - before) * 1024 / deals : 0);
    std::printf("window expand    %7.3f s   %ld bytes a deal with the session open\n", expand,
                deals > 0 ? (expanded - before) * 1024 / deals : 0);
    return 0;
}
