#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/bidding/BiddingDialogLauncher.h"
#include "core/bidding/BiddingListSheet.h"
#include "core/bidding/CBiddingDeal.h"
#include "core/items/CItemTree.h"

// A bidding dialog that records what it was opened on; installed while it lives.
class CFakeLauncher : public IBiddingDialogLauncher {
public:
    struct Run {
        CBiddingDeal* deal;
        int startPlayer;
    };
    CFakeLauncher() { SetBiddingDialogLauncher(this); }
    ~CFakeLauncher() override { SetBiddingDialogLauncher(nullptr); }
    void RunBiddingDialog(CBiddingDeal& deal) override {
        runs.push_back({&deal, deal.GetStartPlayer()});
    }

    std::vector<Run> runs;
};

// A property sheet that answers from a script; installed while it lives.
class CFakeSheet : public IBiddingListSheet {
public:
    CFakeSheet() { SetBiddingListSheet(this); }
    ~CFakeSheet() override { SetBiddingListSheet(nullptr); }
    bool RunBiddingListSheet(CBiddingList& session, int mode) override {
        modes.push_back(mode);
        if (store) {
            store(session);
        }
        return static_cast<bool>(store);
    }

    // What the pages store on OK; null answers Cancel.
    std::function<void(CBiddingList&)> store;
    std::vector<int> modes;
};

// The state of one menu entry while the view updates it.
class CFakeCommandUI : public ICommandUI {
public:
    explicit CFakeCommandUI(unsigned id) : m_id(id) {}
    unsigned GetId() const override { return m_id; }
    void Enable(bool enable) override { enabled = enable; }
    void SetText(const std::string& newText) override { text = newText; }

    bool enabled = true;
    std::string text = "unchanged";

private:
    unsigned m_id;
};
