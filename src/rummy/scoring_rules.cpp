#include "rummy/scoring_rules.h"

#include "rummy/meld_rules.h"

namespace quillan {

namespace {

struct RunEnds {
    int16 suit;
    int16 bottom;
    int16 top;
};

RunEnds endsOf(const CardList& run) {
    RunEnds ends{run[0].suit, run[0].rank, run[0].rank};
    for (const CardSlot& c : run) {
        ends.bottom = std::min(ends.bottom, c.rank);
        ends.top = std::max(ends.top, c.rank);
    }
    return ends;
}

// Takes the first work-list card of `suit` and `rank` that is not laid off yet.
bool takeCard(const CardList& work, CardList& laidOff, int16 suit, int rank) {
    for (const CardSlot& c : work) {
        if (c.rank > 0 && c.rank == rank && c.suit == suit && !laidOff.holds(c.cardvalue)) {
            laidOff.push(c);
            return true;
        }
    }
    return false;
}

void layOffOnRun(const CardList& run, const CardList& work, CardList& laidOff) {
    RunEnds ends = endsOf(run);
    for (int pass = 0; pass < 2; ++pass) {
        if (takeCard(work, laidOff, ends.suit, ends.bottom - 1)) {
            --ends.bottom;
        }
    }
    for (int pass = 0; pass < 2; ++pass) {
        if (takeCard(work, laidOff, ends.suit, ends.top + 1)) {
            ++ends.top;
        }
    }
}

void layOffOnSet(const CardList& set, const CardList& work, CardList& laidOff) {
    for (const CardSlot& c : work) {
        if (c.rank > 0 && c.rank == set[0].rank && !laidOff.holds(c.cardvalue)) {
            laidOff.push(c);
        }
    }
}

ScorePanel panelWith(HandEnding ending, const char* headline, int16 gin, int16 undercut,
                     int16 playerDeadwood, int16 computerDeadwood, int16 total) {
    ScorePanel p;
    p.ending = ending;
    p.lblKnock = headline;
    p.lblGin = panelNumber(gin);
    p.lblUndercut = panelNumber(undercut);
    p.lblYourDeadWood = panelNumber(playerDeadwood);
    p.lblComputerDeadwood = panelNumber(computerDeadwood);
    p.lblTotal = panelNumber(total);
    p.playerDeadwood = playerDeadwood;
    p.computerDeadwood = computerDeadwood;
    p.total = total;
    p.undercut = undercut != 0;
    const bool computerEnded =
        ending == HandEnding::ComputerGin || ending == HandEnding::ComputerKnock;
    p.computerBankChange = computerEnded ? total : int16{0};
    p.handScore = computerEnded ? int16{0} : total;
    return p;
}

} // namespace

int16 countLayOffDeadwood(const CardList& m1, const CardList& m2, const CardList& m3, bool layOff,
                          CardList& defenderUnmatched) {
    const CardList& work = defenderUnmatched;
    CardList laidOff;
    if (layOff) {
        for (const CardList* meld : {&m1, &m2, &m3}) {
            if (isRunMeld(*meld)) {
                layOffOnRun(*meld, work, laidOff);
            }
        }
        for (const CardList* meld : {&m1, &m2, &m3}) {
            if (isSetMeld(*meld)) {
                layOffOnSet(*meld, work, laidOff);
            }
        }
    }
    const int16 result = sub16(countDeadwood(work), countDeadwood(laidOff));
    for (CardSlot& c : defenderUnmatched) {
        if (laidOff.holds(c.cardvalue) && c.rank > 0) {
            c.cardvalue = -1;
            c.rank = 0;
        }
    }
    return result;
}

std::string panelNumber(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

ScorePanel scorePlayerGin(int16 computerDeadwood) {
    return panelWith(HandEnding::PlayerGin, "You Knock Gin", kGinBonus, 0, 0, computerDeadwood,
                     add16(computerDeadwood, kGinBonus));
}

ScorePanel scorePlayerKnock(int16 playerDeadwood, int16 computerDeadwood) {
    const bool undercut = playerDeadwood >= computerDeadwood;
    int16 total = sub16(computerDeadwood, playerDeadwood);
    if (undercut) {
        total = sub16(total, kUndercutPenalty);
    }
    return panelWith(HandEnding::PlayerKnock, "You Knock", 0, undercut ? kUndercutPenalty : 0,
                     playerDeadwood, computerDeadwood, total);
}

ScorePanel scoreComputerGin(int16 playerDeadwood) {
    return panelWith(HandEnding::ComputerGin, "Computer Knocks Gin", kGinBonus, 0, playerDeadwood,
                     0, add16(playerDeadwood, kGinBonus));
}

ScorePanel scoreComputerKnock(int16 computerDeadwood, int16 playerDeadwood) {
    const bool undercut = computerDeadwood >= playerDeadwood;
    int16 total = sub16(playerDeadwood, computerDeadwood);
    if (undercut) {
        total = sub16(total, kUndercutPenalty);
    }
    return panelWith(HandEnding::ComputerKnock, "Computer Knocks", 0,
                     undercut ? kUndercutPenalty : 0, playerDeadwood, computerDeadwood, total);
}

int16 addToBank(int16 bank, int16 change) {
    return add16(bank, change);
}

BankTotals updateBank(const BankTotals& banks, int16 prfShowHide) {
    BankTotals next = banks;
    if (prfShowHide == 0) {
        next.computer = 0;
        next.player = 0;
    }
    next.player = add16(next.player, next.handScore);
    next.handScore = 0;
    return next;
}

DeadwoodCorrection correctPlayerDeadwood(HandEnding ending, const DeadwoodFigures& now,
                                         int button) {
    const int step = button == 1 ? -1 : 1;
    DeadwoodCorrection c;
    c.figures = now;
    if (now.playerDeadwood + step >= 0) {
        DeadwoodFigures& f = c.figures;
        f.playerDeadwood = add16(now.playerDeadwood, step);
        if (ending == HandEnding::PlayerGin || ending == HandEnding::PlayerKnock) {
            f.total = sub16(now.total, step);
            f.handScore = sub16(now.handScore, step);
        } else {
            f.total = add16(now.total, step);
            f.computerBank = add16(now.computerBank, step);
        }
    }
    c.lblYourDeadWood = std::to_string(c.figures.playerDeadwood);
    c.lblTotal = std::to_string(c.figures.total);
    return c;
}

std::string resultSoundFor(double r) {
    switch (static_cast<int>(r * 3 + 1)) {
    case 1:
        return "\\wavs\\ohdear.wav";
    case 2:
        return "\\wavs\\doh.wav";
    default:
        return "\\wavs\\peek.wav";
    }
}

std::string lossSoundFor(double r, double second) {
    if (static_cast<int>(r * 10 + 1) != 7) {
        return "\\wavs\\wrong.wav";
    }
    return static_cast<int>(second * 2 + 1) == 1 ? "\\wavs\\lost1.wav" : "\\wavs\\lost2.wav";
}

} // namespace quillan
