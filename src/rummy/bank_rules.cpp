#include "rummy/bank_rules.h"

namespace quillan {

BankTotals creditHandScore(BankTotals banks, int16 handScore, bool computerHandShown) {
    if (computerHandShown) {
        banks = {};
    }
    banks.playerBank = add16(banks.playerBank, handScore);
    return banks;
}

} // namespace quillan
