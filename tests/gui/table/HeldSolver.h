#pragma once

#include <bit>
#include <climits>
#include <condition_variable>
#include <mutex>

#include "core/review/IDoubleDummySolver.h"

// A solver whose tables follow from the cards, so that every deal has its own, and which
// solves only as many deals as the test lets through (all of them unless held).
class CHeldSolver : public IDoubleDummySolver {
public:
    // Declarer's tricks: the cards he holds in the trump suit plus three; his seat plus one
    // in no trumps. The par: 140 for 2S by North-South.
    static TrickTable TableOf(const DealCards& cards) {
        TrickTable table{};
        for (int seat = 0; seat < kSeatCount; ++seat) {
            for (int strain = 0; strain < STRAIN_NOTRUMP; ++strain) {
                table[seat][strain] = std::popcount(cards.holdings[seat][SUIT_CLUBS - strain]) + 3;
            }
            table[seat][STRAIN_NOTRUMP] = seat + 1;
        }
        return table;
    }

    void Hold() {
        std::lock_guard lock(m_mutex);
        m_permits = 0;
    }
    void Release(int deals) {
        std::lock_guard lock(m_mutex);
        m_permits += deals;
        m_changed.notify_all();
    }
    void Free() { Release(INT_MAX / 2); }
    // How many deals wait to be let through.
    int Waiting() {
        std::lock_guard lock(m_mutex);
        return m_waiting;
    }

    bool SolveBatch(const std::vector<DealCards>& deals, std::vector<TrickTable>& tables,
                    std::string&) override {
        tables.clear();
        for (const DealCards& deal : deals) {
            Wait();
            tables.push_back(TableOf(deal));
        }
        return true;
    }
    bool SolveOne(const DealCards& deal, TrickTable& table, std::string& error) override {
        Wait();
        table = TableOf(deal);
        error = failure;
        return failure.empty();
    }
    bool FindPar(const TrickTable&, int, int, ParResult& par, std::string&) override {
        par.score = 140;
        par.contracts = {"2S-NS"};
        return true;
    }

    std::string failure;  // set: single deals fail with it

private:
    void Wait() {
        std::unique_lock lock(m_mutex);
        ++m_waiting;
        m_changed.wait(lock, [this] { return m_permits > 0; });
        --m_waiting;
        --m_permits;
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_permits = INT_MAX / 2;
    int m_waiting = 0;
};
