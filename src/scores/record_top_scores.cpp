#include "scores/record_top_scores.h"

#include "scores/score_name_folding.h"
#include "scores/score_name_rules.h"
#include "scores/stats_file.h"

namespace quillan {

namespace {

AskName nameFrom(Platform& platform) {
    return [&platform](std::string_view prompt) {
        const QString answer = platform.inputBox(
            QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
            QStringLiteral("Congratulations"),
            QString::fromUtf8(kDefaultName.data(), static_cast<qsizetype>(kDefaultName.size())));
        return nearestCodePageForm(answer).toStdString();
    };
}

} // namespace

void RecordTopScores(Platform& platform, ScoreTable& table, int16 prfPlayerBank,
                     int16& prfvidPokPerfPlay, int16 prfvidPokMoney) {
    const AskName ask = nameFrom(platform);
    runScorePass(table, ScorePass::GinRummy, prfPlayerBank, ask);
    if (runScorePass(table, ScorePass::Strategy, prfvidPokPerfPlay, ask)) {
        prfvidPokPerfPlay = 0;
    }
    runScorePass(table, ScorePass::Winnings, prfvidPokMoney, ask);
    writeStatsFile(platform.writableFolder(), table);
}

void RecordTopScores(Platform& platform, int16 prfPlayerBank, int16& prfvidPokPerfPlay,
                     int16 prfvidPokMoney) {
    RecordTopScores(platform, scoreTable, prfPlayerBank, prfvidPokPerfPlay, prfvidPokMoney);
}

} // namespace quillan
