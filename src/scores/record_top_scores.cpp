#include "scores/record_top_scores.h"

#include "scores/score_name_rules.h"
#include "scores/stats_file.h"

namespace quillan {

namespace {

// Letters with a stroke, which have no decomposition into letter and accent.
char32_t strokeLess(char32_t c) {
    switch (c) {
    case U'Ł':
        return U'L';
    case U'ł':
        return U'l';
    case U'Đ':
        return U'D';
    case U'đ':
        return U'd';
    case U'Ħ':
        return U'H';
    case U'ħ':
        return U'h';
    case U'Ŧ':
        return U'T';
    case U'ŧ':
        return U't';
    case U'ı':
        return U'i';
    default:
        return 0;
    }
}

// The nearest code-page form of a typed name: a character the code page lacks gives its
// compatibility decomposition without accents when that is all code-page text ("ř" gives
// "r", a full-width "Ａ" gives "A"), or its letter without the stroke; anything else is left
// for fitName, which stores "?".
QString nearestCodePageForm(const QString& typed) {
    QString out;
    for (const char32_t c : typed.toUcs4()) {
        if (inCodePage(c)) {
            out += QString::fromUcs4(&c, 1);
            continue;
        }
        if (const char32_t plain = strokeLess(c)) {
            out += QString::fromUcs4(&plain, 1);
            continue;
        }
        QString bare;
        bool fits = true;
        for (const char32_t part :
             QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
            if (QChar::category(part) == QChar::Mark_NonSpacing) {
                continue;
            }
            fits = fits && inCodePage(part);
            bare += QString::fromUcs4(&part, 1);
        }
        out += (fits && !bare.isEmpty()) ? bare : QString::fromUcs4(&c, 1);
    }
    return out;
}

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
